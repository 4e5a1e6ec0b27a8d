#!/bin/sh
# Installs what the build, the program and the tests need on a Debian machine; only what is missing.
set -e
PKGS="g++-mingw-w64-x86-64-posix wine64 xvfb xauth x11-utils cmake ninja-build googletest fonts-liberation2 imagemagick fp-utils cups printer-driver-cups-pdf poppler-utils"
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
if [ "$(id -u)" != 0 ]; then
  command -v sudo >/dev/null 2>&1 && SUDO=sudo || { echo "Need root to install:$missing" >&2; exit 1; }
fi
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
