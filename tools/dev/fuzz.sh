#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz": clang, build/fuzz) and runs each
# for the given number of seconds.  Usage: fuzz.sh [seconds] [target...]
# New inputs go to fuzz/corpus-work/<name>/ (not committed), findings to
# build/fuzz/artifacts/<name>/, logs to build/fuzz/logs/.  Exits non-zero on
# any finding.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$ROOT"
seconds="${1:-60}"
shift || true

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2 --target "${targets[@]}" >/dev/null

# LeakSanitizer cannot stop the world under user-mode emulation of i386; the
# targets check the global heap's live blocks themselves.
# A small quarantine keeps the 32-bit address space from running out over a
# long run (ASan's allocator cannot recover from that under emulation).
asan="abort_on_error=1:allocator_may_return_null=1:quarantine_size_mb=16:malloc_context_size=8"
[ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && asan="$asan:detect_leaks=0"
export ASAN_OPTIONS="$asan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# True when the run left artifacts and every one of them runs clean alone.
replays_clean() {
  local target="$1" artifacts="$2" started="$3" artifact found=0
  while IFS= read -r artifact; do
    found=1
    timeout 120 "build/fuzz/$target" "$artifact" >/dev/null 2>&1 || return 1
  done < <(find "$artifacts" -type f -newer "$started")
  [ $found -eq 1 ]
}

mkdir -p build/fuzz/logs
failed=0
for target in "${targets[@]}"; do
  name="${target#fuzz_}"
  work="fuzz/corpus-work/$name"
  artifacts="build/fuzz/artifacts/$name/"
  log="build/fuzz/logs/$target.log"
  mkdir -p "$work" "$artifacts"
  started="build/fuzz/logs/$target.started"
  touch "$started"
  echo "== fuzz $target for ${seconds}s"
  # The outer timeout guards against a sanitizer that dies without exiting.
  if timeout --kill-after=30 $((seconds * 2 + 120)) \
       "build/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$artifacts" "$work" "fuzz/corpus/$name" >"$log" 2>&1; then
    grep -E "^Done|stat::number_of_executed_units|stat::new_units_added" "$log" | sed 's/^/   /' || true
  elif replays_clean "$target" "$artifacts" "$started"; then
    # The targets are deterministic: an input that runs clean on its own was
    # no finding in the library (libFuzzer itself has failed under emulation).
    echo "   libFuzzer stopped, but its inputs replay clean (see $log)"
  else
    echo "   FINDING in $target (see $log; inputs in $artifacts)"
    tail -n 30 "$log" | sed 's/^/   /'
    failed=1
  fi
done
exit $failed
