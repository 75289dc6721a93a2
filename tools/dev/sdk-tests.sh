#!/usr/bin/env bash
# Run by ./dev test after ctest: the integrator's kit as an integrator uses it.
#  - ./dev sdk assembles it; its files, sonames and MSVC import libraries;
#  - examples/minimal_host.c built against it through find_package (both Linux
#    widths), pkg-config, and mingw-w64 with the import libraries (both
#    widths, run under Wine), each polling patsim and printing the expected
#    report; the x86-64 build once more under valgrind's memcheck;
#  - the Debian packages: installed with apt-get, the installed pathost
#    replays a saved reply, then both are removed again.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$ROOT"
source tools/dev/common.sh

"$ROOT/tools/dev/sdk.sh"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/native64/CMakeCache.txt)
kit="$ROOT/build/sdk/patmodel-$version"
work="$ROOT/build/sdk-tests"
rm -rf "$work" && mkdir -p "$work"
sample=samples/paper_jam.state
expected=tests/sdk/minimal_host.expected
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

echo "== kit files"
for f in include/pat.h docs/integration.md examples/minimal_host.c \
         bin/x86/patmodel.dll bin/x64/patmodel.dll \
         lib/x86/patmodel.lib lib/x64/patmodel.lib lib/x86/libpatmodel.dll.a lib/x64/libpatmodel.dll.a \
         lib/i386-linux-gnu/libpatmodel.so lib/x86_64-linux-gnu/libpatmodel.so \
         lib/i386-linux-gnu/pkgconfig/patmodel.pc lib/x86_64-linux-gnu/pkgconfig/patmodel.pc \
         lib/i386-linux-gnu/cmake/patmodel/patmodelConfig.cmake \
         lib/x86_64-linux-gnu/cmake/patmodel/patmodelConfig.cmake "../patmodel-$version.zip"; do
  [ -e "$kit/$f" ] || fail "kit has no $f"
done
for arch in i386-linux-gnu x86_64-linux-gnu; do
  lib="$kit/lib/$arch"
  [ "$(readlink "$lib/libpatmodel.so")" = libpatmodel.so.1 ] && \
    [ "$(readlink "$lib/libpatmodel.so.1")" = "libpatmodel.so.$version" ] || fail "$arch: version links"
  llvm-readobj --dynamic-table "$lib/libpatmodel.so.$version" | grep -q 'SONAME.*libpatmodel\.so\.1\]' \
    || fail "$arch: soname"
done
python3 tools/check_import_lib.py "$kit/lib/x86/patmodel.lib" "$kit/bin/x86/patmodel.dll" --machine i386 \
  --include "$kit/include" --source tests/sdk/calls_every_export.c || fail "x86 MSVC import library"
python3 tools/check_import_lib.py "$kit/lib/x64/patmodel.lib" "$kit/bin/x64/patmodel.dll" --machine x86-64 \
  --include "$kit/include" --source tests/sdk/calls_every_export.c || fail "x64 MSVC import library"

echo "== examples/minimal_host.c against the kit"
port_file="$work/port"
build/native64/patsim --port 0 --port-file "$port_file" --lifetime 600 "$sample" 2>/dev/null &
simulator=$!
trap 'kill $simulator 2>/dev/null || true' EXIT
wait_for_port_file "$port_file" "patsim"
port=$(cat "$port_file")
device_id=$(build/native64/patsim --device-id "$sample")

# Runs one build of the example against the simulator; its report must be the expected one.
poll() {
  local what="$1"; shift
  # The example waits on its socket without a deadline: a hung run ends here.
  if timeout 300 "$@" 127.0.0.1 "$port" "$device_id" > "$work/report" 2> "$work/errors" \
     && tr -d '\r' < "$work/report" | diff -u "$expected" - > "$work/diff"; then
    echo "ok: $what"
  else
    fail "$what"; cat "$work/errors" "$work/diff"
  fi
}

strict=(-std=c89 -pedantic -Wall -Wextra -Werror)
for toolchain in linux-x86_64 linux-i386; do
  dir="$work/find_package-$toolchain"
  if CFLAGS="${strict[*]}" cmake -S tests/sdk/consumer -B "$dir" \
       -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-$toolchain.cmake" \
       -DCMAKE_PREFIX_PATH="$kit" -DPAT_HOST_SOURCE="$ROOT/examples/minimal_host.c" >/dev/null \
     && cmake --build "$dir" >/dev/null; then
    poll "find_package(patmodel), $toolchain" "$dir/minimal_host"
  else
    fail "find_package(patmodel), $toolchain: build"
  fi
done

pc="$kit/lib/x86_64-linux-gnu/pkgconfig"
libdir=$(PKG_CONFIG_PATH="$pc" pkg-config --variable=libdir patmodel)
# shellcheck disable=SC2046
if gcc "${strict[@]}" examples/minimal_host.c -o "$work/minimal_host_pc" \
     $(PKG_CONFIG_PATH="$pc" pkg-config --cflags --libs patmodel); then
  poll "pkg-config patmodel" env LD_LIBRARY_PATH="$libdir" "$work/minimal_host_pc"
  poll "pkg-config patmodel, valgrind memcheck" env LD_LIBRARY_PATH="$libdir" valgrind --quiet \
    --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect "$work/minimal_host_pc"
else
  fail "pkg-config patmodel: build"
fi

for width in x86:i686 x64:x86_64; do
  dir="$work/mingw-${width%%:*}"
  mkdir -p "$dir"
  cp "$kit/bin/${width%%:*}/patmodel.dll" "$dir/"
  if "${width#*:}-w64-mingw32-gcc" "${strict[@]}" -I "$kit/include" examples/minimal_host.c \
       -o "$dir/minimal_host.exe" -L "$kit/lib/${width%%:*}" -lpatmodel -lws2_32 -static-libgcc; then
    poll "mingw-w64 ${width%%:*}, import library libpatmodel.dll.a, Wine" tools/dev/wine-run "$dir/minimal_host.exe"
  else
    fail "mingw-w64 ${width%%:*}: build"
  fi
done

echo "== Debian packages"
"$ROOT/tools/dev/deb-test.sh" "$work" || fail "Debian packages"

if [ $failures -ne 0 ]; then echo "== kit: $failures failures"; exit 1; fi
echo "== kit: all checks passed"
