#!/bin/bash
# Set up Wine so that 32-bit (i686) Windows console programs run on this machine,
# for tools/dev/wine-run (the CTest emulator of the Windows build).
#
# Run as root on Debian bookworm (amd64) with wine, wine32:i386, wine64 and,
# when the kernel cannot execute 32-bit code, qemu-user-static installed.
# Idempotent and non-interactive; safe to re-run (needed again after a reboot
# when the qemu route is used, because binfmt_misc registrations are not
# persistent).
#
# What it does:
#  1. Makes sure the 32-bit Wine loader /usr/lib/wine/wine is in place.
#  2. If the kernel cannot run 32-bit x86 ELF programs (no IA32 emulation, e.g.
#     "Exec format error"), runs them through qemu-i386-static via binfmt_misc,
#     with a wrapper interpreter that preloads a small shim into Wine's
#     processes (source: tools/dev/wine-qemu-fix.c; it works around two
#     qemu-user 7.2 bugs that otherwise crash 32-bit Wine).  Installed in
#     /usr/local/lib/wine-qemu.  Other 32-bit programs run under plain qemu.
#  3. Creates (or repairs) the Wine prefix $WINEPREFIX (default
#     $HOME/.wine-patmodel) as a 64-bit prefix with 32-bit (syswow64) support:
#     Wine's system processes run natively, only the 32-bit programs are
#     emulated.  An unusable prefix is moved aside, never deleted.
#  4. Checks with `wine-run --check` that a 32-bit program really runs.
#
# Environment: WINEPREFIX (prefix to create), WINE_SETUP_NO_BINFMT=1 (never
# touch binfmt_misc).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
prefix=${WINEPREFIX:-$HOME/.wine-patmodel}
case $prefix in /*) ;; *) prefix=$PWD/$prefix ;; esac
export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
unset WINEARCH DISPLAY WAYLAND_DISPLAY

WINE32=/usr/lib/wine/wine
WINE64=/usr/lib/wine/wine64
QEMU=/usr/bin/qemu-i386-static
QDIR=/usr/local/lib/wine-qemu
WRAPPER=$QDIR/qemu-i386
SHIM_NAME=wine-qemu-fix.so
BINFMT=/proc/sys/fs/binfmt_misc

say() { echo "wine-setup: $*"; }
die() { echo "wine-setup: error: $*" >&2; exit 1; }
is_root() { [ "$(id -u)" = 0 ]; }

# --- 1. Wine binaries --------------------------------------------------------
[ -x "$WINE64" ] || die "$WINE64 missing: apt-get install wine64 wine"
if [ ! -e "$WINE32" ] && [ -x "$WINE32.i386-off" ]; then
  # Left over from an experiment with Wine's experimental new-WoW64 mode, which
  # cannot work on kernels without 32-bit code segments; put the loader back.
  is_root || die "$WINE32 was renamed to $WINE32.i386-off; run as root to restore it"
  mv "$WINE32.i386-off" "$WINE32"
  say "restored $WINE32 (was renamed to wine.i386-off)"
fi
[ -x "$WINE32" ] || die "$WINE32 missing: dpkg --add-architecture i386 && apt-get install wine32:i386"

# --- 2. running 32-bit ELF programs ------------------------------------------
# Prints "NAME INTERPRETER" of the enabled binfmt_misc handler for i386 ELF, if any.
i386_handler() {
  local f
  [ -r "$BINFMT/status" ] || return 0
  [ "$(cat "$BINFMT/status")" = enabled ] || return 0
  for f in "$BINFMT"/*; do
    case ${f##*/} in register|status) continue ;; esac
    [ "$(head -n1 "$f" 2>/dev/null)" = enabled ] || continue
    grep -q '^magic 7f454c4601010100000000000000000002000300' "$f" 2>/dev/null || continue
    echo "${f##*/} $(sed -n 's/^interpreter //p' "$f")"
    return 0
  done
}

wrapper_text() {
  cat <<EOF
#!/bin/sh
# binfmt_misc interpreter for i386 ELF programs, installed by patmodel's
# tools/dev/wine-setup.sh: runs them with qemu-i386-static and preloads
# $QDIR/\$LIB/$SHIM_NAME into Wine's loader (and so into its children).
shim='$QDIR/\$LIB/$SHIM_NAME'
case \$1 in
  */wine|*/wine-preloader)
    case " \${LD_PRELOAD-} " in
      *" \$shim "*) ;;
      *) LD_PRELOAD="\$shim\${LD_PRELOAD:+ \$LD_PRELOAD}"; export LD_PRELOAD ;;
    esac ;;
esac
exec $QEMU "\$@"
EOF
}

install_if_changed() {   # SRC DEST: replace atomically (running processes map DEST)
  cmp -s "$1" "$2" && return 0
  install -d "$(dirname "$2")"
  install -m 0644 "$1" "$2.new"
  mv -f "$2.new" "$2"
}

build_shim() {
  local src=$here/wine-qemu-fix.c tmp cc ok=0
  [ -f "$src" ] || die "$src missing"
  cc=$(command -v gcc || command -v cc || true)
  if [ -z "$cc" ] || ! command -v ld >/dev/null; then die "gcc and binutils are needed to build $src"; fi
  tmp=$(mktemp -d)
  if "$cc" -m32 -O2 -fPIC -ffreestanding -fno-stack-protector -fno-builtin -c "$src" -o "$tmp/fix32.o" &&
     ld -m elf_i386 -shared -soname "$SHIM_NAME" -o "$tmp/fix32.so" "$tmp/fix32.o" &&
     "$cc" -O2 -fPIC -ffreestanding -fno-stack-protector -c "$src" -o "$tmp/fix64.o" &&
     ld -shared -soname "$SHIM_NAME" -o "$tmp/fix64.so" "$tmp/fix64.o"; then
    install_if_changed "$tmp/fix32.so" "$QDIR/lib/i386-linux-gnu/$SHIM_NAME"
    install_if_changed "$tmp/fix64.so" "$QDIR/lib/x86_64-linux-gnu/$SHIM_NAME"
    ok=1
  fi
  rm -rf "$tmp"
  [ $ok = 1 ] || die "building $src failed"
}

register_qemu() {
  local name interp
  is_root || die "32-bit programs need qemu-i386 via binfmt_misc; run this script as root"
  [ -x "$QEMU" ] || die "$QEMU missing: apt-get install qemu-user-static"
  build_shim
  if [ ! -e "$BINFMT/register" ]; then
    modprobe binfmt_misc 2>/dev/null || true
    mount -t binfmt_misc binfmt_misc "$BINFMT" || die "cannot mount binfmt_misc on $BINFMT"
  fi
  [ "$(cat "$BINFMT/status")" = enabled ] || echo 1 > "$BINFMT/status"
  if [ ! -f "$WRAPPER" ] || [ "$(wrapper_text)" != "$(cat "$WRAPPER")" ]; then
    wrapper_text > "$WRAPPER.new"
    chmod 0755 "$WRAPPER.new"
    mv "$WRAPPER.new" "$WRAPPER"
    # the "F" flag keeps the old file open: register again
    if [ -e "$BINFMT/qemu-i386" ]; then echo -1 > "$BINFMT/qemu-i386"; fi
  fi
  read -r name interp <<<"$(i386_handler)" || true
  [ "$interp" = "$WRAPPER" ] && return 0
  if [ -n "$name" ] && [ "$name" != qemu-i386 ]; then
    say "keeping the i386 binfmt handler '$name' ($interp); wine-run preloads the shim itself"
    return 0
  fi
  if [ -e "$BINFMT/qemu-i386" ]; then
    [ -n "$interp" ] && say "replacing the interpreter $interp of binfmt handler qemu-i386"
    echo -1 > "$BINFMT/qemu-i386"
  fi
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$WRAPPER"':F' \
    > "$BINFMT/register"
  say "registered binfmt_misc handler qemu-i386 -> $WRAPPER"
}

handler=$(i386_handler)
if [ -n "$handler" ]; then
  # A registered handler takes precedence over the kernel's own ELF loader.
  [ "${WINE_SETUP_NO_BINFMT:-}" = 1 ] || register_qemu
elif "$WINE32" --version >/dev/null 2>&1; then
  say "the kernel runs 32-bit x86 programs natively"
else
  [ "${WINE_SETUP_NO_BINFMT:-}" = 1 ] && die "the kernel cannot run 32-bit x86 programs and WINE_SETUP_NO_BINFMT=1"
  say "the kernel cannot run 32-bit x86 programs (no IA32 emulation): using qemu-i386"
  register_qemu
fi
"$WINE32" --version >/dev/null 2>&1 || die "$WINE32 still cannot be executed"

# --- 3. the prefix -----------------------------------------------------------
# Environment for Wine commands here: the shim also in case the i386 handler is
# someone else's plain qemu (the wrapper avoids loading it twice).
if [ -f "$QDIR/lib/i386-linux-gnu/$SHIM_NAME" ] && [ -n "$(i386_handler)" ]; then
  export LD_PRELOAD="$QDIR/\$LIB/$SHIM_NAME${LD_PRELOAD:+ $LD_PRELOAD}"
fi
wine_log=$(mktemp)
trap 'rm -f "$wine_log"' EXIT
run_wineboot() {   # run_wineboot ARGS...: wineboot with the 64-bit loader, wait for it
  local rc=0
  timeout 900 "$WINE64" wineboot "$@" </dev/null >>"$wine_log" 2>&1 || rc=$?
  timeout 300 /usr/lib/wine/wineserver -w >/dev/null 2>&1 || true
  if [ $rc != 0 ]; then tail -n 20 "$wine_log" >&2; die "wineboot $* failed (exit $rc)"; fi
}
prefix_arch() { sed -n 's/^#arch=//p' "$prefix/system.reg" 2>/dev/null | head -n1; }
sys=$prefix/drive_c/windows

if [ -e "$prefix" ]; then
  [ -O "$prefix" ] || die "$prefix is not owned by $(id -un); Wine refuses to use it"
  if [ ! -f "$prefix/system.reg" ] || [ ! -f "$sys/system32/kernel32.dll" ]; then
    aside=$prefix.broken.$(date +%Y%m%d%H%M%S)
    timeout 60 /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    mv "$prefix" "$aside"
    say "moved the incomplete Wine prefix to $aside"
  fi
fi
if [ ! -e "$prefix" ]; then
  say "creating the Wine prefix $prefix (64-bit with 32-bit support)"
  WINEARCH=win64 run_wineboot --init
else
  arch=$(prefix_arch)
  if [ "$arch" = win64 ] && [ ! -f "$sys/syswow64/kernel32.dll" ]; then
    say "adding 32-bit support (syswow64) to $prefix"
    run_wineboot --update
  elif [ "$(tr -dc 0-9 2>/dev/null <"$prefix/.update-timestamp")" != "$(stat -c %Y /usr/share/wine/wine.inf)" ]; then
    say "updating $prefix for the installed Wine version"
    run_wineboot --update
  fi
  if [ "$arch" = win32 ]; then
    say "note: $prefix is a 32-bit prefix (works, but slower than a 64-bit one under qemu)"
  fi
fi
if [ "$(prefix_arch)" = win64 ] && [ ! -f "$sys/syswow64/kernel32.dll" ]; then
  tail -n 20 "$wine_log" >&2
  die "$prefix has no 32-bit system files (syswow64)"
fi

# --- 4. check -----------------------------------------------------------------
rm -f "$prefix/.wine-run-probe"
if msg=$("$here/wine-run" --check 2>&1); then
  say "OK: 32-bit Windows programs run (prefix $prefix)"
else
  echo "$msg" >&2
  exit 1
fi
