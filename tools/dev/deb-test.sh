#!/usr/bin/env bash
# The Debian packages of the x86-64 build (cpack): installed with apt-get, the
# installed pathost replays a reply saved from a poll of the installed patsim
# and must print what the build tree's pathost prints; then both packages are
# removed again, on failure too.  Usage: deb-test.sh WORK_FOLDER
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$ROOT"
work="$1"
source tools/dev/common.sh
packages=(libpatmodel1 patmodel-tools)
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y -qq "$@"; }
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

rm -rf build/native64/packages
(cd build/native64 && cpack -G DEB >/dev/null)
debs=()
for p in "${packages[@]}"; do
  deb=$(ls build/native64/packages/"${p}"_*_amd64.deb)
  debs+=("./$deb")
  if installed "$p"; then echo "$p is installed already: remove it first"; exit 1; fi
  # Files not owned by any package would be overwritten silently.
  while read -r file; do
    if [ -e "$file" ] || [ -L "$file" ]; then echo "$file exists already: not installing $p over it"; exit 1; fi
  done < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }')
done

remove() { apt_get remove --purge "${packages[@]}" >/dev/null 2>&1 || true; }
trap remove EXIT
apt_get install "${debs[@]}" >/dev/null

sample=samples/toner_out.state
device_id=$(/usr/bin/patsim --device-id "$sample")
port_file="$work/deb-port"
/usr/bin/patsim --port 0 --port-file "$port_file" --connections 1 --lifetime 60 "$sample" >/dev/null 2>&1 &
wait_for_port_file "$port_file" "the installed patsim"
/usr/bin/pathost poll "127.0.0.1:$(cat "$port_file")" --device-id "$device_id" \
  --save-reply "$work/deb-reply.txt" >/dev/null 2>&1
/usr/bin/pathost replay --reply "$work/deb-reply.txt" --device-id "$device_id" --lang EN,DE > "$work/deb-replay"
build/native64/pathost replay --reply "$work/deb-reply.txt" --device-id "$device_id" --lang EN,DE \
  | diff -u - "$work/deb-replay"
echo "ok: ${packages[*]} installed, pathost replay from /usr/bin"

remove
trap - EXIT
for p in "${packages[@]}"; do
  if installed "$p"; then echo "$p still installed"; exit 1; fi
done
echo "ok: ${packages[*]} removed"
