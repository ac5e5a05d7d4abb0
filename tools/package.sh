#!/usr/bin/env bash
# Builds the packages into build/packages: the Debian package of macbatch-cli
# (checked with lintian) and the Windows zip of both programs.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

rm -rf build/packages
cmake --preset package >/dev/null
cmake --build --preset package
(cd build/package && cpack -B "$PWD/../packages" >/dev/null)

cmake --preset windows >/dev/null
cmake --build --preset windows --target macbatch macbatch-cli
(cd build/windows && cpack -B "$PWD/../packages" >/dev/null)

rm -rf build/packages/_CPack_Packages
deb=$(ls build/packages/macbatch-cli_*.deb)
# Errors fail the build; warnings are shown.
lintian --fail-on error "$deb"
echo "packages:"
ls -1 build/packages
