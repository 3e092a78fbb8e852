#!/bin/sh
# Runs the phrase-counting benchmark on the King James Bible: lengths 2-6 and
# 2-25 with a minimum of 2 occurrences on the whole text, lengths 2-25 with a
# minimum of 1 on its first megabyte, and each setting on 1, 2 and 4 MB to see
# how the time grows with the input.
# Usage: bench/phrase_bench.sh [BUILD_DIR]   (a Release build; default build-bench)
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build-bench}"
bench="$build/bin/phrase_bench"
[ -x "$bench" ] || { echo "build $bench first (cmake -DCMAKE_BUILD_TYPE=Release)" >&2; exit 1; }
[ -f /tmp/kjv.txt ] || "$here/kjv.sh" /tmp >/dev/null
"$bench" /tmp/kjv.txt 2 6 2
"$bench" /tmp/kjv.txt 2 25 2
"$bench" /tmp/kjv_1mb.txt 2 25 1
for setting in "2 6 2" "2 25 2" "2 25 1"; do
  for size in 1mb 2mb 4mb; do
    # shellcheck disable=SC2086
    "$bench" "/tmp/kjv_$size.txt" $setting | sed -n '1p;/total/p'
  done
done
