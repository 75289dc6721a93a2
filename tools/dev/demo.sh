#!/usr/bin/env bash
# ./dev demo [STATE]: the library's whole job in one command.  A simulated
# printer (patsim) answers on the loopback interface; the reference host
# (pathost) asks it what the library tells it to ask, hands the answers back
# to the library, and prints what the library makes of them, in English and
# in German, with the status picture written to build/demo/status.png.  The
# hosts of the other builds (Linux x86-64, and under Wine the Windows hosts
# through the 32-bit and the 64-bit patmodel.dll) do the same and must print
# the same report and draw the same picture.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
NATIVE="$ROOT/build/native"
NATIVE64="$ROOT/build/native64"
OUT="$ROOT/build/demo"
source "$ROOT/tools/dev/common.sh"
STATE="${1:-$ROOT/samples/paper_jam.state}"

mkdir -p "$OUT"
rm -f "$OUT/port"

"$NATIVE/patsim" --port 0 --port-file "$OUT/port" --lifetime 300 "$STATE" >/dev/null &
SIMULATOR=$!
trap 'kill "$SIMULATOR" 2>/dev/null || true; wait "$SIMULATOR" 2>/dev/null || true' EXIT

wait_for_port_file "$OUT/port" "demo: the simulator"
PRINTER="127.0.0.1:$(cat "$OUT/port")"
DEVICE_ID="$("$NATIVE/patsim" --device-id "$STATE")"

echo "== simulated printer $PRINTER serving $(basename "$STATE")"
grep '^#' "$STATE" | sed 's/^# \{0,1\}/   /'
echo "   device ID: $DEVICE_ID"
echo
echo "== pathost poll $PRINTER --lang EN,DE --picture build/demo/status.png"
"$NATIVE/pathost" poll "$PRINTER" --device-id "$DEVICE_ID" --lang EN,DE --picture "$OUT/status.png" \
  | tee "$OUT/linux-report.txt"
echo
echo "== picture written to $OUT/status.png"

# The same poll by the host of every other build: each must print the same
# report and draw the same picture.
same_as_first() {   # same_as_first NAME: compare OUT/NAME-report.txt and NAME-status.png
  if cmp -s "$OUT/linux-report.txt" "$OUT/$1-report.txt" && cmp -s "$OUT/status.png" "$OUT/$1-status.png"; then
    echo "   same report and same picture as the 32-bit Linux host"
  else
    echo "   the $1 host differs: see $OUT/$1-report.txt" >&2
    exit 1
  fi
}
echo
if [ -x "$NATIVE64/pathost" ]; then
  echo "== the 64-bit Linux host (build/native64): pathost poll $PRINTER --lang EN,DE"
  "$NATIVE64/pathost" poll "$PRINTER" --device-id "$DEVICE_ID" --lang EN,DE \
    --picture "$OUT/linux64-status.png" >"$OUT/linux64-report.txt"
  same_as_first linux64
else
  echo "(the 64-bit Linux host is skipped: no native64 build)"
fi
for build in win32 win64; do
  exe="$ROOT/build/$build/pathost.exe"
  if [ -f "$exe" ] && "$ROOT/tools/dev/wine-run" --check >/dev/null 2>&1; then
    echo "== the Windows host under Wine (build/$build): pathost.exe poll $PRINTER --lang EN,DE"
    (cd "$OUT" && "$ROOT/tools/dev/wine-run" "$exe" poll "$PRINTER" --device-id "$DEVICE_ID" \
       --lang EN,DE --picture "$build-status.png" >"$build-report.txt")
    same_as_first "$build"
  else
    echo "(the $build Windows host is skipped: no $build build, or Wine cannot run it here)"
  fi
done
echo
echo "== the status of simulated printers in a browser: ./dev serve (http://127.0.0.1:8080/)"
