#!/bin/sh
# Runs every test program under Wine, with one virtual display and one Wine server for the whole run.
set -e
BUILD=$(cd "$1" && pwd)
export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)
run_tests() {
  # A new prefix takes a while to create: do it once before the tests start.
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$BUILD/wine-run" wineboot -i >/dev/null 2>&1 || true
  fi
  "$WINESERVER" -p 60 || true
  # The first Windows program of a Wine session starts Wine's service processes, which keep its
  # output handles open until the session ends: start them here, away from ctest's pipes, or ctest
  # waits for the end of the first test's output for ever.
  "$BUILD/wine-run" cmd /c exit </dev/null >/dev/null 2>&1 || true
  # The virtual display has no window manager: Wine then waits two seconds for every window it
  # hides to be withdrawn. Unmanaged windows are hidden at once.
  "$BUILD/wine-run" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
  rc=0
  ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)" || rc=$?
  "$WINESERVER" -k 2>/dev/null || true
  return $rc
}
if [ -n "$INSIDE_XVFB" ]; then
  run_tests
  exit $?
fi
export INSIDE_XVFB=1
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh "$0" "$@"
