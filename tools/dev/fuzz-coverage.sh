#!/usr/bin/env bash
# Line and branch coverage of src/ by each fuzz target's inputs: the committed
# seeds and whatever fuzz.sh has added in fuzz/corpus-work/<name>/.
# Usage: fuzz-coverage.sh [target...]   (every target by default)
# The targets are built with clang's source-based coverage into build/fuzzcov,
# each with the replay driver instead of libFuzzer; per target, the summary
# goes to stdout and the annotated source of the files it reaches to
# build/fuzzcov/coverage/<target>/.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$ROOT"
build=build/fuzzcov

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/fuzz_*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

flags="-fprofile-instr-generate -fcoverage-mapping"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}" >/dev/null

printf '%-22s %8s %18s %18s\n' target inputs "lines of src/" "branches of src/"
for target in "${targets[@]}"; do
  name="${target#fuzz_}"
  out="$build/coverage/$target"
  rm -rf "$out" && mkdir -p "$out"
  inputs=(fuzz/corpus/"$name")
  [ -d fuzz/corpus-work/"$name" ] && [ -n "$(ls -A fuzz/corpus-work/"$name")" ] && inputs+=(fuzz/corpus-work/"$name")
  count=$(find "${inputs[@]}" -type f | wc -l)
  LLVM_PROFILE_FILE="$out/run.profraw" "$build/$target" "${inputs[@]}" >/dev/null
  llvm-profdata-14 merge -sparse "$out/run.profraw" -o "$out/run.profdata"
  cov=(-instr-profile="$out/run.profdata" "$build/$target" "$ROOT/src")
  # The totals of the files the target reaches and of all of src/.
  total=$(llvm-cov-14 report "${cov[@]}" | awk '/^TOTAL/ {print $8, $9, $10, $11, $12, $13}')
  read -r lines missedLines linePercent branches missedBranches branchPercent <<<"$total"
  printf '%-22s %8d %7s (%6d of %6d) %7s (%5d of %5d)\n' "$target" "$count" "$linePercent" \
    $((lines - missedLines)) "$lines" "$branchPercent" $((branches - missedBranches)) "$branches"
  llvm-cov-14 report "${cov[@]}" >"$out/report.txt"
  # The same per folder of src/ (lines, then branches, covered of all).
  awk '$1 ~ /\// && $8 > 0 { split($1, p, "/"); d = p[1]; l[d] += $8; ml[d] += $9; b[d] += $11; mb[d] += $12 }
       END { for (d in l) printf "    %-10s lines %5d of %5d, branches %4d of %4d\n", d, l[d] - ml[d], l[d], b[d] - mb[d], b[d] }' \
    "$out/report.txt" | sort
  llvm-cov-14 show -show-branches=count -format=text "${cov[@]}" >"$out/show.txt"
done
