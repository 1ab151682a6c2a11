#!/bin/sh
# Prints the version block that Brevon carries in its executable, one
# "[section]" or "Key=Value" line each, in the order they are stored.
#
#   resources/print-version.sh [path/to/brevon]    (default: brevon on PATH)
#
# The block is the ELF note "Brevon" in the section ".note.brevon"; its
# description holds NUL-terminated strings. `readelf -p .note.brevon brevon`
# shows the same strings with their offsets. Needs objcopy (binutils).
set -eu

exe=${1:-$(command -v brevon || true)}
if [ -z "$exe" ] || [ ! -r "$exe" ]; then
    echo "print-version.sh: no executable to read (give the path to brevon)" >&2
    exit 1
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# objcopy wants an output file too; it goes to the temporary directory.
if ! objcopy --dump-section .note.brevon="$tmp/note" "$exe" "$tmp/copy" 2>/dev/null; then
    echo "print-version.sh: $exe carries no version note" >&2
    exit 1
fi
# The note starts with three 4-byte sizes and the name "Brevon" padded to
# eight bytes: the strings begin at byte 21.
if [ "$(dd if="$tmp/note" bs=1 skip=12 count=6 2>/dev/null)" != "Brevon" ]; then
    echo "print-version.sh: $exe: .note.brevon is not Brevon's version note" >&2
    exit 1
fi
tail -c +21 "$tmp/note" | tr '\0' '\n' | sed '/^$/d'
