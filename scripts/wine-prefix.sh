#!/usr/bin/env bash
# Makes a build's private Wine prefix once: usage wine-prefix.sh ARCH BUILD.
# Its Windows font names map to the metric-compatible Liberation fonts, so
# text measures the same on every machine, and it has Wine's Marlett font for
# the caption buttons (Wine does not look into the package's font folder).
set -euo pipefail
arch=$1 build=$2
source "$(dirname "$0")/wine-env.sh"
prefix=$WINEPREFIX
[ -f "$prefix/.mdx-ready" ] && exit 0
rm -rf "$prefix"
"$wine" wineboot -i >/dev/null 2>&1
reg=$(mktemp --suffix=.reg)
cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Courier New"="Liberation Mono"
"MS Shell Dlg"="Liberation Sans"
"MS Shell Dlg 2"="Liberation Sans"
"Microsoft Sans Serif"="Liberation Sans"
"Times New Roman"="Liberation Serif"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"MS Shell Dlg"="Liberation Sans"
"MS Shell Dlg 2"="Liberation Sans"
REG
"$wine" regedit /S "Z:$reg" >/dev/null 2>&1
rm -f "$reg"
cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
"$wineserver" -w
touch "$prefix/.mdx-ready"
