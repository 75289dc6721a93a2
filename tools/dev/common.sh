# Shared functions of ./dev. Sourced, not run.

APT_PACKAGES_NATIVE=(g++-multilib gcc-multilib cmake make python3 clang llvm libclang-rt-14-dev
  libgtest-dev:i386 libbenchmark-dev:i386 libgtest-dev libbenchmark-dev libstb-dev valgrind)
APT_PACKAGES_EMULATION=(qemu-user-static)
# The reference host and its tests: SNMP (client library, and a real agent for
# the tests), JSON, option parsing, HTTP (the status page, and a real browser
# for its tests); the SDK kit and its checks.
APT_PACKAGES_HOST=(libsnmp-dev snmpd snmp nlohmann-json3-dev libcxxopts-dev libcpp-httplib-dev
  chromium pkgconf zip dpkg-dev)
APT_PACKAGES_WIN32=(g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64
  binutils-mingw-w64-x86-64 mingw-w64-tools wine wine64 wine32:i386)

export WINEDEBUG=-all
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-patmodel}"

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

missing_packages() {
  local p
  for p in "${APT_PACKAGES_NATIVE[@]}" "${APT_PACKAGES_EMULATION[@]}" "${APT_PACKAGES_WIN32[@]}" \
           "${APT_PACKAGES_HOST[@]}"; do
    have_pkg "$p" || echo "$p"
  done
}

dev_setup() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    rm -f /var/lib/apt/.patmodel-updated
  fi
  local missing
  missing=$(missing_packages | tr '\n' ' ')
  if [ -n "${missing// /}" ]; then
    echo "== installing: $missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
  fi
  ensure_i386_execution
  if [ -x "$ROOT/tools/dev/wine-setup.sh" ]; then
    "$ROOT/tools/dev/wine-setup.sh"
  fi
}

# Some kernels are built without 32-bit support; i386 programs then run
# through qemu's user-mode emulation, registered with binfmt_misc.
i386_runs() { /lib/ld-linux.so.2 --help >/dev/null 2>&1; }

ensure_i386_execution() {
  i386_runs && return 0
  [ -d /proc/sys/fs/binfmt_misc ] || return 1
  [ -e /proc/sys/fs/binfmt_misc/register ] || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    echo "== registering qemu-i386 for 32-bit programs (this kernel cannot run them itself)"
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      > /proc/sys/fs/binfmt_misc/register
  fi
  i386_runs
}

setup_if_needed() {
  if [ -n "$(missing_packages)" ] || ! dpkg --print-foreign-architectures | grep -qx i386 \
     || ! i386_runs || ! "$ROOT/tools/dev/wine-run" --check >/dev/null 2>&1; then
    dev_setup
  fi
}

# Waits until a program has written its port into FILE; only a start that
# hangs reaches the deadline, however busy the machine.
wait_for_port_file() {  # wait_for_port_file FILE WHAT
  local deadline=$((SECONDS + 120))
  until [ -s "$1" ]; do
    [ $SECONDS -lt $deadline ] || { echo "$2 did not start" >&2; return 1; }
    sleep 0.1
  done
}

jobs_count() { nproc 2>/dev/null || echo 2; }

build_preset() {
  local preset="$1"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(jobs_count)"
}

# The 32-bit builds (the host interface's exact 32-bit layouts) and the 64-bit
# builds of the same source; the tests run on all of them.
PRESETS_DEFAULT=(native win32 native64 win64)
PRESETS_TESTED=(native native-asan win32 native64 native64-asan win64)

dev_build() {
  local presets=("$@")
  [ ${#presets[@]} -eq 0 ] && presets=("${PRESETS_DEFAULT[@]}")
  local p
  for p in "${presets[@]}"; do
    echo "== build $p"
    build_preset "$p"
  done
}

dev_test() {
  setup_if_needed
  dev_build "${PRESETS_TESTED[@]}"
  local failed=0 p
  for p in "${PRESETS_TESTED[@]}"; do
    echo "== test $p"
    ctest --preset "$p" || failed=1
  done
  if [ -x "$ROOT/tools/dev/extra-tests.sh" ]; then
    "$ROOT/tools/dev/extra-tests.sh" || failed=1
  fi
  "$ROOT/tools/dev/sdk-tests.sh" || failed=1
  if [ $failed -ne 0 ]; then echo "== FAILED"; exit 1; fi
  echo "== all tests passed"
}

# The integrator's kit: header, DLLs and import libraries of both widths,
# Linux libraries, CMake package, pkg-config file, guide and example host.
dev_sdk() {
  setup_if_needed
  dev_build "${PRESETS_DEFAULT[@]}"
  "$ROOT/tools/dev/sdk.sh"
}

dev_demo() {
  setup_if_needed
  dev_build "${PRESETS_DEFAULT[@]}"
  "$ROOT/tools/dev/demo.sh" "$@"
}

# The status page of the x86-64 Linux host, against simulated printers.
dev_serve() {
  setup_if_needed
  dev_build native64
  "$ROOT/tools/dev/serve.sh" "$@"
}

dev_fuzz() {
  setup_if_needed
  "$ROOT/tools/dev/fuzz.sh" --preset fuzz64 "${1:-60}"
}

dev_soak() {
  setup_if_needed
  dev_build native64-asan
  "$ROOT/tools/dev/soak.sh" --build "$ROOT/build/native64-asan" --rounds "${1:-2000}"
}

dev_instructions() {
  setup_if_needed
  "$ROOT/tools/dev/instructions.sh" "$@"
}

dev_pictures() {
  setup_if_needed
  dev_build native
  "$ROOT/tools/dev/pictures.sh"
}
