#!/bin/sh
# Runs every test entry under Wine, side by side. The windowless programs share one virtual display
# and one Wine server for the whole run; each windowed entry brings its own display and Wine prefix
# (build/wine-windowed).
set -e
BUILD=$(cd "$1" && pwd)
export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)
. "$(dirname "$0")/wine-prefix.sh"
# The print test prints to cups-pdf's printer "PDF" (into ~/PDF) and reads the page back with
# pdftoppm. Without a service manager the CUPS scheduler is started here, and the printer added,
# when they are missing; both need root. The scheduler stays up for later runs.
prepare_pdf_printer() {
  SUDO=""
  if [ "$(id -u)" != 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then SUDO="sudo -n"; fi
  fi
  if ! command -v lpstat >/dev/null 2>&1 || [ ! -x /usr/sbin/cupsd ]; then
    echo "Printing to PDF will be skipped: CUPS is not installed."
    return 0
  fi
  if ! lpstat -r 2>/dev/null | grep -qx "scheduler is running"; then
    if [ "$(id -u)" != 0 ] && [ -z "$SUDO" ]; then
      echo "Printing to PDF will be skipped: the CUPS scheduler is not running and starting it needs root."
      return 0
    fi
    $SUDO /usr/sbin/cupsd || true
    n=0
    until lpstat -r 2>/dev/null | grep -qx "scheduler is running" || [ $n -ge 20 ]; do
      sleep 0.5
      n=$((n + 1))
    done
  fi
  if ! lpstat -v PDF >/dev/null 2>&1; then
    if [ "$(id -u)" != 0 ] && [ -z "$SUDO" ]; then
      echo "Printing to PDF will be skipped: adding the printer \"PDF\" needs root."
      return 0
    fi
    $SUDO /usr/sbin/lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E ||
      echo "Printing to PDF will be skipped: the printer \"PDF\" could not be added."
  fi
}
run_tests() {
  prepare_pdf_printer
  # A new prefix takes a while to create: do it once before the tests start (the windowed entries
  # copy it). The first Windows program of a Wine session starts Wine's service processes, and the
  # first window its desktop, which keep its output handles open until the session ends: they start
  # here, away from ctest's pipes, or ctest would wait for the end of that test's output for ever.
  prepare_prefix "$WINEPREFIX" "$BUILD/wine-run"
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -p 60 || true
  "$BUILD/wine-run" cmd /c exit </dev/null >/dev/null 2>&1 || true
  "$BUILD/wine-run" rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 || true
  # Most entries wait for their Wine processes more than they compute: twice as many as there are
  # processors run side by side (an entry that computes counts as two, tests/CMakeLists.txt), each
  # on the processor the fewest of them use (build/wine-windowed).
  rm -rf "$BUILD/wineprefixes/cpus"
  rc=0
  ctest --test-dir "$BUILD" --output-on-failure -j "$(( $(nproc) * 2 ))" || rc=$?
  "$WINESERVER" -k 2>/dev/null || true
  return $rc
}
if [ -n "$INSIDE_XVFB" ]; then
  run_tests
  exit $?
fi
export INSIDE_XVFB=1
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh "$0" "$@"
