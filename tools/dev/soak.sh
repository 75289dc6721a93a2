#!/usr/bin/env bash
# Soak run: pathost's whole poll, ROUNDS times in one process (poll_soak),
# against a simulator for each fault mode in turn: a well-behaved printer,
# one that takes one job per connection, garbage, a partial answer, an early
# close, an answer that streams on without end, and silence.  poll_soak fails
# when a poll leaves a library block alive; in a sanitizer build of x86-64,
# LeakSanitizer checks the host's own memory at the end.
# Usage: soak.sh [--build DIR] [--rounds N]   (build/native64-asan, 2000)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$ROOT/build/native64-asan"
rounds=2000
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build="$2"; shift 2 ;;
    --rounds) rounds="$2"; shift 2 ;;
    *) echo "usage: soak.sh [--build DIR] [--rounds N]" >&2; exit 2 ;;
  esac
done
source "$ROOT/tools/dev/common.sh"
sample="$ROOT/samples/paper_jam.state"
faults=(none close-after-job garbage partial close-early endless silent)

work="$(mktemp -d)"
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

printers=""
for fault in "${faults[@]}"; do
  "$build/patsim" "$sample" --port 0 --port-file "$work/$fault.port" --lifetime 7200 --idle 10 \
    --fault "$fault" >/dev/null 2>&1 &
  pids+=($!)
done
for fault in "${faults[@]}"; do
  wait_for_port_file "$work/$fault.port" "soak: patsim --fault $fault"
  printers+="${printers:+,}127.0.0.1:$(cat "$work/$fault.port")"
done

device_id="$("$build/patsim" --device-id "$sample")"
echo "== soak: $rounds polls of ${#faults[@]} simulators (${faults[*]}) in $(basename "$build")"
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1}"
# What each poll says about its printer goes to the log; the summary is its last line.
if ! "$build/poll_soak" "$rounds" "$printers" --device-id "$device_id" --timeout 0.3 --lang EN,DE \
    >/dev/null 2>"$work/log"; then
  tail -n 30 "$work/log" >&2
  exit 1
fi
tail -n 1 "$work/log"
