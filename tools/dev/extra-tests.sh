#!/usr/bin/env bash
# Run by ./dev test after ctest: every fuzz target for a short bounded time.
set -euo pipefail
exec "$(dirname "${BASH_SOURCE[0]}")/fuzz.sh" "${PAT_TEST_FUZZ_SECONDS:-20}"
