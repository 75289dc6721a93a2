#!/usr/bin/env bash
# Assembles the host integrator's kit from the four builds' install rules:
# build/sdk/patmodel-VERSION/ and build/sdk/patmodel-VERSION.zip.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$ROOT"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/native64/CMakeCache.txt)
name="patmodel-$version"
kit="build/sdk/$name"
rm -rf "$kit" "build/sdk/$name.zip"
for preset in native native64 win32 win64; do
  for component in library development; do
    cmake --install "build/$preset" --prefix "$kit" --component "$component" >/dev/null
  done
done
install -D -m 644 docs/integration.md "$kit/docs/integration.md"
install -D -m 644 examples/minimal_host.c "$kit/examples/minimal_host.c"
(cd build/sdk && zip -qry "$name.zip" "$name")
echo "== kit: $kit (and $kit.zip)"
