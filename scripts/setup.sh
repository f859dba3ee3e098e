#!/usr/bin/env bash
# Installs what building and testing MERIDOXA needs on Debian 12, and nothing
# that is already there. Safe to run again.
set -euo pipefail

packages=(
  g++-mingw-w64-i686-posix    # the 32-bit C++ cross compiler with posix threads
  g++-mingw-w64-x86-64-posix  # the 64-bit one
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64   # windres and friends
  cmake make ccache
  clang-format                # the layout the test command checks first
  googletest                  # GoogleTest sources, built with the cross compiler
  libeigen3-dev               # linear algebra of the geodesy library
  wine wine32:i386            # runs the 32-bit program and its tests (where it can)
  wine64                      # runs the 64-bit program and its tests
  fonts-wine                  # Marlett, the symbols of the caption buttons
  xvfb x11-utils              # a display for tests that open windows
  fp-utils                    # chmcmd, the help compiler
  python3-chm                 # an independent reader of the compiled help, for the tests
  fonts-liberation            # metric-compatible stand-ins for the Windows fonts
  socat                       # a pseudo-terminal pair as the serial port of the tests
  printemf                    # an independent reader of enhanced metafiles, for the tests
  g++ libproj-dev             # bench only: the native PROJ program of scripts/geodesy-bench.sh
  python3-pil giflib-tools    # independent picture readers (PIL, gif2rgb), for the tests
  python3-pyshp shapelib      # an independent shapefile writer and reader and a second reader (shpdump), for the tests
  libshp-dev                  # bench only: shapelib's reading floor of scripts/shapefile-bench.sh
  cups printer-driver-cups-pdf  # the PDF printer of the printing tests (a scheduler of the test command's own)
  libcups2:i386               # the 32-bit Wine's way to the printers
  poppler-utils               # pdftotext, pdfinfo, pdftoppm: the printing tests read the PDFs back
)

sudo_() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_ dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive sudo_ apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
elif [ "${need_update:-0}" = 1 ]; then
  sudo_ apt-get update -qq
fi
