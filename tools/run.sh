#!/bin/sh
# Starts the program against the emulated station. Without a display it runs under a virtual one
# and writes a screenshot to build/screenshot.png every few seconds.
BUILD=$(cd "$1" && pwd)
export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export USB_EMULATOR="${USB_EMULATOR:-demo}"
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=$(command -v wine64 || command -v wine)
cd "$BUILD/bin" || exit 1

if [ -n "$DISPLAY" ]; then
  # A display with a window manager has the windows managed by it. Without one (a bare X server)
  # Wine draws the frames itself, and does not wait for a window manager to confirm each window it
  # hides (it would wait 2 s for every closing dialog and message box).
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    "$WINE" reg delete "HKCU\\Software\\Wine\\X11 Driver" /v Managed /f >/dev/null 2>&1
  else
    "$WINE" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
  fi
  if [ -n "$RUN_SECONDS" ]; then
    timeout "$RUN_SECONDS" "$WINE" Orvelle.exe
  else
    exec "$WINE" Orvelle.exe
  fi
  exit 0
fi

# Pick a free display number for our own Xvfb.
n=99
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x1024x24 >/dev/null 2>&1 &
XVFB=$!
export DISPLAY=":$n"
sleep 1
# The virtual display has no window manager: Wine then draws the windows' frames itself.
"$WINE" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
"$WINE" Orvelle.exe &
APP=$!
trap 'kill $APP 2>/dev/null; /usr/lib/wine/wineserver -k 2>/dev/null; kill $XVFB 2>/dev/null' EXIT INT TERM
start=$(date +%s)
echo "Running without a display: screenshots go to $BUILD/screenshot.png"
while kill -0 $APP 2>/dev/null; do
  sleep 3
  import -window root "$BUILD/screenshot.png.tmp.png" 2>/dev/null && mv "$BUILD/screenshot.png.tmp.png" "$BUILD/screenshot.png"
  if [ -n "$RUN_SECONDS" ] && [ $(( $(date +%s) - start )) -ge "$RUN_SECONDS" ]; then
    break
  fi
done
