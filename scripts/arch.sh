# Sourced: installs what is missing first (scripts/setup.sh, or $MDX_SETUP),
# then finds out which builds this machine can run, so that a fresh machine
# is judged with Wine installed. Sets $archs (x86_64 always, i686 first where
# 32-bit code runs) and $archs_why, a few words saying why. Found out by
# trying the 32-bit Wine loader ($MDX_WINE32_LOADER, default Wine's own);
# MDX_NO_32BIT=1 makes the try fail, as on a machine whose kernel runs 64-bit
# user code only.
bash "${MDX_SETUP:-$(dirname "${BASH_SOURCE[0]}")/setup.sh}" || return 1
if [ -z "${MDX_NO_32BIT:-}" ] && "${MDX_WINE32_LOADER:-/usr/lib/wine/wine}" --version >/dev/null 2>&1; then
  archs=(i686 x86_64)
  archs_why="this machine runs 32-bit code"
else
  archs=(x86_64)
  if [ -n "${MDX_NO_32BIT:-}" ]; then
    archs_why="MDX_NO_32BIT is set"
  else
    archs_why="this machine cannot run 32-bit code: the 32-bit Wine loader does not start"
  fi
fi
