#!/usr/bin/env bash
# Builds both flavours and runs every test: the native ones under ASan and
# UBSan, then each fuzzer for a few seconds, then the Windows ones under Wine,
# then the packages.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

for flavour in native windows; do
  echo "== $flavour =="
  cmake --preset "$flavour" >/dev/null
  cmake --build --preset "$flavour"
  ctest --preset "$flavour"
  if [ "$flavour" = native ]; then
    echo "== fuzz =="
    bash tools/fuzz.sh 5
  fi
done

# The packages, installed and unpacked as a user would.
echo "== packages =="
bash tools/package.sh
python3 tests/packages/package_test.py build/packages build/windows
