#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for the given number of seconds.
# Usage: fuzz.sh [--preset fuzz64|fuzz] [seconds] [target...]
# Preset fuzz64 (the default: clang, x86-64, ASan+UBSan+LeakSanitizer, native
# speed) builds into build/fuzz64; preset fuzz builds the same targets for
# i386 into build/fuzz, which runs under emulation on kernels without 32-bit
# support and serves for a short smoke run of the 32-bit layouts.
# New inputs go to fuzz/corpus-work/<name>/ (not committed), findings to
# build/<preset>/artifacts/<name>/, logs to build/<preset>/logs/.  Exits
# non-zero on any finding.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$ROOT"
preset=fuzz64
if [ "${1:-}" = --preset ]; then
  preset="${2:?--preset needs fuzz64 or fuzz}"
  shift 2
fi
case "$preset" in fuzz|fuzz64) ;; *) echo "fuzz.sh: unknown preset $preset" >&2; exit 2 ;; esac
build="build/$preset"
seconds="${1:-60}"
shift || true

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}" >/dev/null

asan="abort_on_error=1:allocator_may_return_null=1"
if [ "$preset" = fuzz ]; then
  # LeakSanitizer cannot stop the world under user-mode emulation of i386; the
  # targets check the global heap's live blocks themselves.
  # A small quarantine keeps the 32-bit address space from running out over a
  # long run (ASan's allocator cannot recover from that under emulation).
  asan="$asan:quarantine_size_mb=16:malloc_context_size=8"
  [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && asan="$asan:detect_leaks=0"
fi
export ASAN_OPTIONS="$asan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# True when the run left artifacts and every one of them runs clean alone.
replays_clean() {
  local target="$1" artifacts="$2" started="$3" artifact found=0
  while IFS= read -r artifact; do
    found=1
    timeout 120 "$build/$target" "$artifact" >/dev/null 2>&1 || return 1
  done < <(find "$artifacts" -type f -newer "$started")
  [ $found -eq 1 ]
}

mkdir -p "$build/logs"
failed=0
for target in "${targets[@]}"; do
  name="${target#fuzz_}"
  work="fuzz/corpus-work/$name"
  artifacts="$build/artifacts/$name/"
  log="$build/logs/$target.log"
  mkdir -p "$work" "$artifacts"
  started="$build/logs/$target.started"
  touch "$started"
  echo "== fuzz $target ($preset) for ${seconds}s"
  # The outer timeout guards against a sanitizer that dies without exiting.
  if timeout --kill-after=30 $((seconds * 2 + 120)) \
       "$build/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
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
