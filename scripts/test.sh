#!/usr/bin/env bash
# Installs what is needed, builds Tessarook and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
extra=()
if [[ "${CI:-}" == "true" ]]; then extra+=(-DTESSAROOK_WERROR=ON); fi
cmake --preset default "${extra[@]}"
cmake --build --preset default
ctest --preset default
