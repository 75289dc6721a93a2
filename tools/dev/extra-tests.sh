#!/usr/bin/env bash
# Run by ./dev test after ctest: every fuzz target for a short bounded time at
# native speed (x86-64), then a short smoke run of the i386 build.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
failed=0
"$here/fuzz.sh" --preset fuzz64 "${PAT_TEST_FUZZ_SECONDS:-20}" || failed=1
"$here/fuzz.sh" --preset fuzz "${PAT_TEST_FUZZ_SMOKE_SECONDS:-5}" || failed=1
exit $failed
