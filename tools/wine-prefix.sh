# Wine prefixes of the test runs; sourced by tools/test.sh and by the build's wine-windowed.
#
# prepare_prefix <prefix> <wine-run>: makes a prefix that does not exist yet with Wine's first
#   start (about 20 s), and keeps the windows of its virtual display unmanaged (there is no window
#   manager: Wine would wait two seconds for every window it hides to be withdrawn).
# copy_prefix <base> <prefix>: a new prefix as a copy of <base>. The large system folders are
#   linked, not copied: Wine only reads them, and writes its registry files anew when it saves.

prepare_prefix() {
  if [ ! -f "$1/system.reg" ]; then
    WINE_RUN_PREFIX="$1" "$2" wineboot -i </dev/null >/dev/null 2>&1 || true
  fi
  WINE_RUN_PREFIX="$1" "$2" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
}

copy_prefix() {
  partial="$2.partial.$$"
  rm -rf "$partial"
  if mkdir -p "$partial" &&
     tar -C "$1" --exclude=./drive_c/windows/system32 --exclude=./drive_c/windows/syswow64 \
         --exclude=./drive_c/windows/winsxs -cf - . | tar -C "$partial" -xf - &&
     link_system_folders "$1" "$partial" &&
     mv "$partial" "$2"; then
    return 0
  fi
  rm -rf "$partial"
  return 1
}

link_system_folders() {
  for big in system32 syswow64 winsxs; do
    if [ -d "$1/drive_c/windows/$big" ]; then
      cp -al "$1/drive_c/windows/$big" "$2/drive_c/windows/" || return 1
    fi
  done
}
