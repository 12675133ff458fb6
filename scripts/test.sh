#!/usr/bin/env bash
# Sets up, builds and runs every test: headless, and one check on its own X server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# The code as the formatter writes it.
scripts/formatcheck.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8
ctest --test-dir build --output-on-failure -j "$(nproc)"
# The editor itself must start and quit cleanly.
timeout 60 build/tests/zbeditor_quit 500
# What only a real X server with a window manager shows.
scripts/xcheck.sh
# The set-file reader under the sanitizers: the kept corpus, then ZB_FUZZ_SECONDS of fuzzing.
scripts/fuzz.sh "${ZB_FUZZ_SECONDS:-0}"
