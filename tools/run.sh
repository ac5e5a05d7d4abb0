#!/usr/bin/env bash
# Builds macbatch.exe and starts it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target macbatch

export WINEPREFIX="$PWD/build/windows/wineprefix-run"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8
exec wine build/windows/src/shell/win32/macbatch.exe
