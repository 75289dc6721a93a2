#!/usr/bin/env bash
# Instructions per call of every poll operation (bench/poll/poll_operations.cpp)
# and the global-heap allocations each call makes, then the callgrind profile
# of one whole poll cycle.  A call's cost is the count for 2 calls minus the
# count for 1 (bench/poll/poll_instructions.cpp): callgrind's Ir on the x86-64
# build, and with --i386 the number of instructions qemu executes single-step
# on the i386 build.
#
# Usage: tools/dev/instructions.sh [--i386] [--write]
#   --i386   add the i386 column.  On the 2-core development machine the
#            x86-64 figures and the profile take 20 s when it is idle and
#            1.5 minutes at a load average of 11; the i386 column adds 9 to 10
#            minutes under qemu at a load average of 13 (9.5 minutes of CPU
#            time on the two cores, so about 5 on an idle machine).
#   --write  also put the table and the profile into docs/performance.md,
#            between its "instructions" and "profile" comment markers.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$ROOT"

i386=0
write=0
for arg in "$@"; do
  case "$arg" in
    --i386) i386=1 ;;
    --write) write=1 ;;
    *) echo "usage: $0 [--i386] [--write]" >&2; exit 2 ;;
  esac
done

DOC=docs/performance.md
BIN64="$ROOT/build/native64/poll_instructions"
BIN32="$ROOT/build/native/poll_instructions"
READ64="$ROOT/build/native64/centro_data_instructions"
READ32="$ROOT/build/native/centro_data_instructions"
VALGRIND="$(command -v valgrind)"
QEMU="$(command -v qemu-i386-static || true)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j "$(nproc)" --target poll_instructions centro_data_instructions >/dev/null
}

# The C library reads its tunables and locale from the environment: every
# count runs in an empty one.
# callgrind_run OUT OPERATION CALLS [valgrind option...]
callgrind_run() {
  local out="$1" operation="$2" calls="$3"
  shift 3
  env -i "$VALGRIND" --tool=callgrind --compress-strings=no --callgrind-out-file="$out" "$@" \
    "$BIN64" "$operation" "$calls" >/dev/null 2>"$out.log" || { cat "$out.log" >&2; return 1; }
}

callgrind_counts() { callgrind_run "$tmp/x86-64.$2" "$1" "$2"; }

qemu_counts() {
  env -i "$QEMU" -singlestep -d exec,nochain -D /dev/stdout "$BIN32" "$1" "$2" | grep -c Trace >"$tmp/i386.$2"
}

# Runs COUNTER OPERATION for 1 call and for 2 calls side by side.
count_both() {
  local one two
  "$1" "$2" 1 & one=$!
  "$1" "$2" 2 & two=$!
  wait "$one" && wait "$two"
}

ir() { awk '/^totals:/ {print $2}' "$1"; }

# Calls of GlobalAlloc and GlobalReAlloc in a callgrind out file.
heap_allocations() {
  awk '/^cfn=/ {callee = substr($0, 5)}
       /^calls=/ && callee ~ /^Global(Re)?Alloc$/ {split(substr($0, 7), n, " "); sum += n[1]}
       END {print sum + 0}' "$1"
}

grouped() { sed -E ':a; s/([0-9])([0-9]{3})($|,)/\1,\2\3/; ta' <<<"$1"; }

row() { printf '| %-28s | %14s | %14s | %11s |\n' "$@"; }

instruction_table() {
  local operation x86 i386col heap
  row "Operation" "x86-64" "i386" "heap allocs"
  row "---" "---:" "---:" "---:"
  while IFS=$'\t' read -r operation _; do
    echo "== $operation" >&2
    count_both callgrind_counts "$operation"
    x86=$(( $(ir "$tmp/x86-64.2") - $(ir "$tmp/x86-64.1") ))
    heap=$(( $(heap_allocations "$tmp/x86-64.2") - $(heap_allocations "$tmp/x86-64.1") ))
    i386col="-"
    if [ $i386 -eq 1 ]; then
      count_both qemu_counts "$operation"
      i386col=$(grouped $(( $(<"$tmp/i386.2") - $(<"$tmp/i386.1") )))
    fi
    row "\`$operation\`" "$(grouped $x86)" "$i386col" "$heap"
  done < <("$BIN64" --list)
}

# count_difference PREFIX COUNTER: the count of PREFIX.2 (two calls) minus
# that of PREFIX.1 (one call): callgrind out files, or qemu's counts.
count_difference() {
  if [ "$2" = callgrind ]; then
    echo $(( $(ir "$1.2") - $(ir "$1.1") ))
  else
    echo $(( $(<"$1.2") - $(<"$1.1") ))
  fi
}

# reply_count BINARY SIZE MODE COUNTER: instructions of one reading of a reply
# (bench/centro_data_instructions.cpp; SIZE 0 is the full-query reply, MODE
# "tokens" the tokenizer alone, "call" the whole export).
reply_count() {
  local binary="$1" size="$2" mode="$3" counter="$4" n
  for n in 1 2; do
    if [ "$counter" = callgrind ]; then
      env -i "$VALGRIND" --tool=callgrind --callgrind-out-file="$tmp/reply.$n" "$binary" "$size" "$n" "$mode" \
        >/dev/null 2>&1 &
    else
      env -i "$QEMU" -singlestep -d exec,nochain -D /dev/stdout "$binary" "$size" "$n" "$mode" 2>/dev/null |
        grep -c Trace >"$tmp/reply.$n" &
    fi
  done
  wait
  count_difference "$tmp/reply" "$counter"
}

# window_count BINARY SIZE MODE COUNTER: instructions inside one call of the
# export alone: the record's set-up and the host's release of it left out.
# callgrind collects inside PatSetCentroDataTo only; in qemu's log the bench
# marks each call with two empty functions whose addresses it prints.
window_count() {
  local binary="$1" size="$2" counter="$4" n
  for n in 1 2; do
    if [ "$counter" = callgrind ]; then
      env -i "$VALGRIND" --tool=callgrind --toggle-collect=PatSetCentroDataTo \
        --callgrind-out-file="$tmp/window.$n" "$binary" "$size" "$n" >/dev/null 2>&1 &
    else
      (
        read -r _ opens closes < <(env -i "$QEMU" "$binary" "$size" 0 2>&1 >/dev/null | grep '^window')
        env -i "$QEMU" -singlestep -d exec,nochain -D /dev/stdout "$binary" "$size" "$n" 2>/dev/null |
          awk -v opens="${opens#0x}" -v closes="${closes#0x}" '
            /^Trace/ { split($4, f, "/"); pc = f[2]; sub(/^0+/, "", pc)
                       if (pc == opens) inside = 1; else if (pc == closes) inside = 0
                       if (inside) count++ }
            END { print count + 0 }' >"$tmp/window.$n"
      ) &
    fi
  done
  wait
  count_difference "$tmp/window" "$counter"
}

per_byte() { awk -v n="$1" -v b="$2" 'BEGIN {printf "%.1f", n / b}'; }

reply_row_name() {
  case "$1" in
    call) echo "\`PatSetCentroDataTo\` and release" ;;
    export) echo "\`PatSetCentroDataTo\` alone" ;;
    tokens) echo "tokenizer alone" ;;
  esac
}

# Instructions per reply byte of PatSetCentroDataTo (query attached, device
# ID read) and of the tokenizer alone, on the full-query reply and on 64 KB.
reply_table() {
  local size bytes mode x86 i386col
  printf '| %-50s | %6s | %14s | %8s | %14s | %8s |\n' "Reading a reply" "bytes" "x86-64" "per byte" "i386" "per byte"
  printf '| %-50s | %6s | %14s | %8s | %14s | %8s |\n' "---" "---:" "---:" "---:" "---:" "---:"
  for size in 0 65536; do
    bytes=$("$READ64" "$size" 0 2>&1 | awk '/reply bytes/ {print $1}')
    for mode in call export tokens; do
      echo "== reply $size $mode" >&2
      local counter=reply_count
      [ "$mode" = export ] && counter=window_count
      x86=$($counter "$READ64" "$size" "$mode" callgrind)
      local i386n="-" i386b="-"
      if [ $i386 -eq 1 ]; then
        i386col=$($counter "$READ32" "$size" "$mode" qemu)
        i386n=$(grouped "$i386col")
        i386b=$(per_byte "$i386col" "$bytes")
      fi
      printf '| %-50s | %6s | %14s | %8s | %14s | %8s |\n' \
        "$( [ "$size" = 0 ] && echo "full-query reply" || echo "64 KB reply"), $(reply_row_name "$mode")" \
        "$(grouped "$bytes")" "$(grouped "$x86")" "$(per_byte "$x86" "$bytes")" "$i386n" "$i386b"
    done
  done
}

# annotated_functions OUT sum|max: reads callgrind_annotate's listing of OUT
# and prints the ten costliest functions as "Ir<TAB>function<TAB>objects":
# names without parameters, template arguments or return type, the driver's
# own frames left out, and the pieces listed per source file of a function
# merged (summed for self cost, the largest for inclusive).  The objects come
# from OUT itself: the listing names one object where a function of that name
# lives in several (the C library's converters, for one).
annotated_functions() {
  awk -v merge="$2" '
    function short(name,    depth, i, c) {
      gsub(/\(anonymous namespace\)::/, "", name)
      sub(/ \[clone [^]]*\]$/, "", name)
      while (gsub(/<[^<>]*>/, "", name)) {}
      sub(/ const$/, "", name)
      if (name ~ /\)$/) {
        depth = 0
        for (i = length(name); i > 0; i--) {
          c = substr(name, i, 1)
          if (c == ")") depth++
          else if (c == "(" && --depth == 0) break
        }
        name = substr(name, 1, i - 1)
      }
      sub(/^.* /, "", name)
      sub(/@.*$/, "", name)
      return name
    }
    function add_object(name, object) {
      sub(/.*\//, "", object)
      if (index(", " objects[name] ", ", ", " object ", ") == 0) {
        objects[name] = objects[name] == "" ? object : objects[name] ", " object
      }
    }
    FNR == NR {
      if (/^ob=/) object = substr($0, 4)
      else if (/^fn=/) add_object(short(substr($0, 4)), object)
      next
    }
    / PROGRAM TOTALS$/ { next }
    /^ *[0-9,]+ \( *[0-9.]+%\)  [^:]+:/ {
      ir = $1; gsub(/,/, "", ir); ir += 0
      rest = $0; sub(/^ *[0-9,]+ \( *[0-9.]+%\)  [^:]*:/, "", rest)
      sub(/ \[[^]]*\]$/, "", rest)
      name = short(rest)
      if (name == "" || name ~ /^(0x|main$|Run$|MeasuredCalls$|__libc_start_main$)/) next
      if (merge == "sum") cost[name] += ir
      else if (ir > cost[name]) cost[name] = ir
    }
    END { for (name in cost) printf "%d\t%s\t%s\n", cost[name], name, objects[name] }' "$1" - |
    sort -t$'\t' -k1,1nr -k2,2 | awk 'NR <= 10'  # reads all: head would leave sort to a SIGPIPE
}

# profile_table TITLE OUT sum|max [callgrind_annotate option...]
profile_table() {
  local title="$1" out="$2" merge="$3" total cost name object
  shift 3
  total=$(ir "$out")
  printf '| %s | Ir | share | Object |\n|---|---:|---:|---|\n' "$title"
  callgrind_annotate --auto=no --threshold=100 "$@" "$out" | annotated_functions "$out" "$merge" |
    while IFS=$'\t' read -r cost name object; do
      # shellcheck disable=SC2016  # the backquotes are Markdown's
      printf '| `%s` | %s | %s%% | %s |\n' "$name" "$(grouped "$cost")" \
        "$(awk -v c="$cost" -v t="$total" 'BEGIN {printf "%.1f", 100 * c / t}')" "$object"
    done
}

# One whole poll cycle, and nothing else: collection is on only inside the
# driver's measured calls.
profile() {
  local out="$tmp/profile"
  callgrind_run "$out" WholePollCycle 1 --collect-atstart=no '--toggle-collect=MeasuredCalls*'
  echo "One whole poll cycle, $(grouped "$(ir "$out")") instructions (x86-64):"
  echo
  profile_table "Function, inclusive" "$out" max --inclusive=yes
  echo
  profile_table "Function, self" "$out" sum
}

measured_with() {
  local tools
  tools="gcc $(gcc -dumpversion), glibc $(ldd --version | awk 'NR == 1 {print $NF}'), $("$VALGRIND" --version)"
  [ $i386 -eq 1 ] && tools="$tools, qemu $("$QEMU" --version | awk 'NR == 1 {print $3}')"
  echo "Measured $(date +%Y-%m-%d) with $tools."
}

# replace_section MARKER FILE: the lines between <!-- MARKER:begin --> and
# <!-- MARKER:end --> in the performance document become FILE's.
replace_section() {
  local begin="<!-- $1:begin -->" end="<!-- $1:end -->"
  if ! grep -qxF "$begin" "$DOC" || ! grep -qxF "$end" "$DOC"; then
    echo "$DOC has no $1 markers" >&2
    exit 1
  fi
  awk -v begin="$begin" -v end="$end" -v file="$2" '
    $0 == begin { print; while ((getline line < file) > 0) print line; skipping = 1; next }
    $0 == end { skipping = 0 }
    !skipping' "$DOC" >"$tmp/doc"
  cat "$tmp/doc" >"$DOC"
}

build native64
if [ $i386 -eq 1 ]; then
  [ -n "$QEMU" ] || { echo "qemu-i386-static is not installed" >&2; exit 1; }
  build native
fi

{ measured_with; echo; instruction_table; echo; reply_table; } >"$tmp/instructions.md"
profile >"$tmp/profile.md"
cat "$tmp/instructions.md"
echo
cat "$tmp/profile.md"
if [ $write -eq 1 ]; then
  replace_section instructions "$tmp/instructions.md"
  replace_section profile "$tmp/profile.md"
  echo "== written to $DOC" >&2
fi
