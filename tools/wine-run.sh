#!/usr/bin/env bash
# Runs a Windows program under Wine for the tests: wine-run.sh PROGRAM.exe [ARGS...]
#
# The Wine prefix is private to the build folder that holds the program
# (found by its CMakeCache.txt), the ANSI code page is GBK unless
# MACBATCH_WINE_LANG says otherwise, and a private Xvfb display is started
# when DISPLAY is not set. Runs in one prefix are serialised, and whatever
# this script started is stopped before it returns the program's exit code.
set -u

program=$1
shift

build=$(cd "$(dirname "$program")" && pwd)
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
[ -f "$build/CMakeCache.txt" ] || { echo "wine-run: no build folder above $program" >&2; exit 2; }

# Without a display of the caller's there is no window manager either: such
# runs get a prefix of their own whose windows Wine manages itself, which
# spares the two seconds it otherwise waits for a manager at every window
# that is destroyed.
if [ -z "${DISPLAY:-}" ]; then
  export WINEPREFIX="$build/wineprefix-unmanaged"
else
  export WINEPREFIX="$build/wineprefix"
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono or Gecko installer dialogs
export LANG="${MACBATCH_WINE_LANG:-zh_CN.UTF-8}"
export LC_ALL="$LANG"

mkdir -p "$WINEPREFIX"
exec 8>"$WINEPREFIX.lock"
flock 8

xvfb_pid=
stop() {
  WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1
  WINEPREFIX="$WINEPREFIX" wineserver -w >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}
trap stop EXIT

if [ -z "${DISPLAY:-}" ]; then
  displayfile=$(mktemp)
  Xvfb -displayfd 9 -nolisten tcp -screen 0 1920x1080x24 9>"$displayfile" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$displayfile")"
  rm -f "$displayfile"
fi

# The server is started apart, with its output elsewhere, so that it does not
# hold the caller's pipes open after the program has ended.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 </dev/null
  # As on Windows, the user-interface fonts fall back to a font with Chinese
  # glyphs whatever the code page, so that the window reads right in any.
  for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
      /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1 </dev/null
  done
  case "$WINEPREFIX" in
    *-unmanaged) wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null ;;
  esac
fi
wineserver -p >/dev/null 2>&1 </dev/null

wine "$program" "$@"
status=$?
exit "$status"
