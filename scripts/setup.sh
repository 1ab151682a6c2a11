#!/usr/bin/env bash
# Installs the Debian packages that brevon needs and that are missing:
# those to build it, and with --test also those to run its tests. Runs apt
# as root, or through sudo for anyone else; does nothing when all is there.
set -euo pipefail

# To build the program.
BUILD_PACKAGES="cmake g++ make pkg-config libx11-dev libxft-dev libfontconfig1-dev
  libfreetype-dev libxrandr-dev fonts-liberation"
# To build and run the tests (and to show the window on a private X server).
TEST_PACKAGES="xvfb libxtst-dev libgtest-dev googletest x11-utils desktop-file-utils
  dpkg-dev zlib1g-dev binutils man-db groff-base"

usage() {
    echo "usage: scripts/setup.sh [--build | --test]" >&2
    echo "  --build  packages to build brevon (the default)" >&2
    echo "  --test   packages to build brevon and run its tests" >&2
    exit 2
}

wanted=$BUILD_PACKAGES
case "${1:---build}" in
--build) ;;
--test) wanted="$BUILD_PACKAGES $TEST_PACKAGES" ;;
*) usage ;;
esac

exec "$(dirname "$0")/install-missing.sh" $wanted
