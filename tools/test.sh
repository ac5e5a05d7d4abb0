#!/usr/bin/env bash
# Builds both flavours and runs every test: the native ones under ASan and
# UBSan, the Windows ones under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

for flavour in native windows; do
  echo "== $flavour =="
  cmake --preset "$flavour" >/dev/null
  cmake --build --preset "$flavour"
  ctest --preset "$flavour"
done
