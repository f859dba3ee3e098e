# Sourced with $arch (i686 or x86_64) and $build set: the Wine of that
# architecture in the build's private prefix. The `wine` wrapper would take
# the 32-bit loader whenever it is installed, even where it cannot run, so the
# loader and the server are named explicitly.
case $arch in
  i686)   wine=/usr/lib/wine/wine   wineserver=/usr/lib/wine/wineserver32 winearch=win32 ;;
  x86_64) wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver64 winearch=win64 ;;
  *) echo "unknown architecture '$arch' (i686 or x86_64)" >&2; return 1 ;;
esac
export WINELOADER=$wine WINESERVER=$wineserver WINEARCH=$winearch
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe,mscoree,mshtml=}
