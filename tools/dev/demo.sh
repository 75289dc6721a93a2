#!/usr/bin/env bash
# ./dev demo [STATE]: the library's whole job in one command.  A simulated
# printer (patsim) answers on the loopback interface; the reference host
# (pathost) asks it what the library tells it to ask, hands the answers back
# to the library, and prints what the library makes of them, in English and
# in German, with the status picture written to build/demo/status.png.  When
# Wine can run 32-bit programs, the Windows host does the same through
# patmodel.dll and must print the same report.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
NATIVE="$ROOT/build/native"
WIN32="$ROOT/build/win32"
OUT="$ROOT/build/demo"
STATE="${1:-$ROOT/samples/paper_jam.state}"

mkdir -p "$OUT"
rm -f "$OUT/port"

"$NATIVE/patsim" --port 0 --port-file "$OUT/port" --lifetime 300 "$STATE" >/dev/null &
SIMULATOR=$!
trap 'kill "$SIMULATOR" 2>/dev/null || true; wait "$SIMULATOR" 2>/dev/null || true' EXIT

for _ in $(seq 100); do
  [ -s "$OUT/port" ] && break
  sleep 0.1
done
[ -s "$OUT/port" ] || { echo "demo: the simulator did not start" >&2; exit 1; }
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

if [ -f "$WIN32/pathost.exe" ] && "$ROOT/tools/dev/wine-run" --check >/dev/null 2>&1; then
  echo
  echo "== the Windows host under Wine: pathost.exe poll $PRINTER --lang EN,DE"
  (cd "$OUT" && "$ROOT/tools/dev/wine-run" "$WIN32/pathost.exe" poll "$PRINTER" --device-id "$DEVICE_ID" \
     --lang EN,DE --picture windows-status.png >windows-report.txt)
  if cmp -s "$OUT/linux-report.txt" "$OUT/windows-report.txt" && cmp -s "$OUT/status.png" "$OUT/windows-status.png"; then
    echo "   same report and same picture as the Linux host"
  else
    echo "   the Windows host differs: see $OUT/windows-report.txt" >&2
    exit 1
  fi
else
  echo "(the Windows host is skipped: no win32 build, or Wine cannot run 32-bit programs here)"
fi
