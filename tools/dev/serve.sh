#!/usr/bin/env bash
# ./dev serve [PORT]: the status page against simulated printers.  Two
# printers answer on the loopback interface: an idle one with every option,
# and one whose script goes through a paper jam, toner out and no answer, ten
# seconds each.  The x86-64 Linux host serves their status at
# http://127.0.0.1:PORT/ (8080) until Ctrl-C, which stops the printers too.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="$ROOT/build/native64"
OUT="$ROOT/build/serve"
PORT="${1:-8080}"
source "$ROOT/tools/dev/common.sh"

mkdir -p "$OUT"
rm -f "$OUT"/port-* "$OUT"/device-id-*
printf '%s 10\n' "$ROOT/samples/paper_jam.state" "$ROOT/samples/toner_out.state" \
  "$ROOT/samples/no_response.state" >"$OUT/states.script"

SIMULATORS=()
stop_simulators() {
  local pid
  for pid in "${SIMULATORS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${SIMULATORS[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap stop_simulators EXIT

start_printer() {   # start_printer NAME PATSIM-ARGUMENTS...: a simulated printer on a free port
  local name="$1"
  shift
  "$BUILD/patsim" --port 0 --port-file "$OUT/port-$name" --device-id-file "$OUT/device-id-$name" \
    --lifetime 86400 "$@" >/dev/null &
  SIMULATORS+=($!)
}

start_printer idle "$ROOT/samples/idle_full.state"
start_printer script --script "$OUT/states.script"
for name in idle script; do
  wait_for_port_file "$OUT/port-$name" "serve: the simulator $name"
done

echo "== two simulated printers: 127.0.0.1:$(cat "$OUT/port-idle") (idle)," \
  "127.0.0.1:$(cat "$OUT/port-script") (paper jam, toner out, no answer)"
echo "== open the address below in a browser; Ctrl-C ends it"
"$BUILD/pathost" serve "127.0.0.1:$(cat "$OUT/port-idle")" "127.0.0.1:$(cat "$OUT/port-script")" \
  --device-id-file "$OUT/device-id-idle" --device-id-file "$OUT/device-id-script" \
  --interval 1 --timeout 1 --port "$PORT"
