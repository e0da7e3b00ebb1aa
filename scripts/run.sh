#!/usr/bin/env bash
# Fresh Debian 12 machine to a running Tandrel: packages, build, start.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec ./build/src/app/tandrel "$@"
