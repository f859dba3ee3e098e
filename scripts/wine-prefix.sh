#!/usr/bin/env bash
# Makes the build's private Wine prefix once: a 32-bit prefix whose Windows
# font names map to the metric-compatible Liberation fonts, so text measures
# the same on every machine.
set -euo pipefail
prefix=$1
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES=winemenubuilder.exe,mscoree,mshtml=
[ -f "$prefix/.mdx-ready" ] && exit 0
rm -rf "$prefix"
wineboot -i >/dev/null 2>&1
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
wine regedit /S "Z:$reg" >/dev/null 2>&1
rm -f "$reg"
wineserver -w
touch "$prefix/.mdx-ready"
