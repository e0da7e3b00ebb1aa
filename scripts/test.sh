#!/usr/bin/env bash
# Fresh Debian 12 machine to the whole test suite: unit, gui and e2e tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
cd build
ctest --output-on-failure --timeout 600 -L 'unit|gui|e2e'
