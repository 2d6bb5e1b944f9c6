#!/bin/sh
# Runs every fuzzer for SECONDS each (default 600), one after the other, on the corpus that the
# short runs of ./test have grown; prints how many inputs each survived.
#   fuzz/run-long.sh [SECONDS]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
exec "$top/scripts/fuzz.sh" "${1:-600}"
