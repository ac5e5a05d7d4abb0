#!/usr/bin/env bash
# Builds macbatch.exe and starts it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target macbatch

program=build/windows/src/win32/macbatch.exe

# Without a display, show what the program does on a private one instead.
if [ -z "${DISPLAY:-}" ]; then
  exec python3 tools/drive_window.py demo "$program" --screenshot build/windows/screenshot.png
fi

export WINEPREFIX="$PWD/build/windows/wineprefix-run"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8
exec wine "$program"
