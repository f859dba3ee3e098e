#!/usr/bin/env bash
# Installs what is missing, builds MERIDOXA and starts it under Wine: the
# 32-bit program where this machine runs 32-bit code, the 64-bit one
# otherwise.
set -euo pipefail
source "$(dirname "$0")/arch.sh"
arch=${archs[0]}
echo "run: the ${arch} program ($archs_why)"
source "$(dirname "$0")/build.sh"
source "$root/scripts/wine-env.sh"
# The program's windows go onto the real desktop (the tests use a virtual one).
"$wine" reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
exec "$wine" "$build/meridoxa/meridoxa.exe" "$@"
