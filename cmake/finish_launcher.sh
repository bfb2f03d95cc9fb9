#!/bin/sh
# Usage: finish_launcher.sh LAUNCHER OBJDUMP
# Refuses a launcher that imports more than every start needs: other DLLs
# (USER32 for a window, the splash screen's) are loaded when first used, and
# a direct call would quietly make every start load them again.
# Then gives it the tail of a launcher file without a block: the end marker
# (the block magic in the opposite byte order) and zero padding to a multiple
# of 512 bytes. Started as it is, it then reports the missing block as
# "Internal Error: magic"; the builder replaces the tail with a real block.
set -e
extra=$("$2" -p "$1" | sed -n 's/^\tDLL Name: //p' | grep -v -i -x -E 'kernel32\.dll|advapi32\.dll|msvcrt\.dll' || true)
if [ -n "$extra" ]; then
  echo "$1 imports $(echo $extra); load it when first used instead" >&2
  exit 1
fi
printf '\350\344\023\325' >> "$1"
truncate -s %512 "$1"
