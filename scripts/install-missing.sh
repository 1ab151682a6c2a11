#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing,
# as root or through sudo; does nothing when all are there. The sanitizer,
# fuzzing and memcheck scripts use it for what they need beyond setup.sh.
set -euo pipefail

missing=()
for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-missing: these packages are missing and installing them needs root or sudo:" >&2
    echo "  ${missing[*]}" >&2
    exit 1
fi

echo "install-missing: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
