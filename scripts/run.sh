#!/usr/bin/env bash
# Installs what is needed, builds Tessarook and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target tessarook
exec ./build/default/src/app/tessarook "$@"
