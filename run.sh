#!/usr/bin/env bash
# Installs what is missing, builds in Release and opens the window.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target deckplate
exec build/release/app/deckplate "$@"
