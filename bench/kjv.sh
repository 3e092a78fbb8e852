#!/bin/sh
# Writes the King James Bible as plain text (about 4.4 MB, 820,000 words) for
# the phrase benchmark, plus its first 1, 2 and 4 MB. Needs the Debian package
# bible-kjv (installed here when missing and run as root).
# Usage: bench/kjv.sh [OUTPUT_DIR]   (default /tmp)
set -eu
out="${1:-/tmp}"
if ! command -v bible >/dev/null 2>&1; then
  if [ "$(id -u)" = 0 ]; then
    apt-get install -y bible-kjv >/dev/null || { apt-get update >/dev/null && apt-get install -y bible-kjv >/dev/null; }
  else
    echo "bible-kjv is not installed (apt-get install bible-kjv)" >&2
    exit 1
  fi
fi
mkdir -p "$out"
bible -f 'Gen1:1-Rev22:21' > "$out/kjv.txt"
for mb in 1 2 4; do
  # Whole lines only, so no word is cut in two.
  head -c $((mb * 1048576)) "$out/kjv.txt" | sed '$d' > "$out/kjv_${mb}mb.txt"
done
ls -l "$out"/kjv*.txt
