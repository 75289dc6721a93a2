#!/usr/bin/env bash
# Renders the status pictures of the printer states in host/printer_states.cpp
# to docs/pictures/<state>.png, with an index, through the native build's
# render_states and libpatmodel.so.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
RENDER="$ROOT/build/native/render_states"
OUT="$ROOT/docs/pictures"

if [ ! -x "$RENDER" ]; then
  echo "pictures: $RENDER is missing (build the native preset; it needs libstb-dev)" >&2
  exit 1
fi
mkdir -p "$OUT"
rm -f "$OUT"/*.png
listing=$("$RENDER" "$OUT")
{
  echo "# Status pictures"
  echo
  echo "Rendered by \`./dev pictures\` from the printer states in \`host/printer_states.cpp\`:"
  echo "the layers that PatCreateBitmapInfo lists, drawn with their raster operations."
  echo
  echo "| State | Picture |"
  echo "|---|---|"
  while IFS=$'\t' read -r file description; do
    echo "| $description | ![$description]($file) |"
  done <<< "$listing"
} > "$OUT/README.md"
echo "pictures: $(echo "$listing" | wc -l) pictures in ${OUT#"$ROOT"/}"
