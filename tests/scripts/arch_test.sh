#!/usr/bin/env bash
# The test command's choice of builds: the 64-bit build always, the 32-bit one
# exactly where the 32-bit Wine loader starts; MDX_NO_32BIT=1 stands for a
# machine that runs 64-bit code only.
set -u
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
fail() { echo "FAIL: $*"; exit 1; }

(MDX_NO_32BIT=1; source "$scripts/arch.sh"
 [ "${archs[*]}" = x86_64 ] || fail "without 32-bit support: '${archs[*]}'"
 [[ $archs_why == *MDX_NO_32BIT* ]] || fail "reason not said: '$archs_why'") || exit 1

(unset MDX_NO_32BIT; source "$scripts/arch.sh"
 if /usr/lib/wine/wine --version >/dev/null 2>&1; then want="i686 x86_64"; else want=x86_64; fi
 [ "${archs[*]}" = "$want" ] || fail "this machine: '${archs[*]}', expected '$want'"
 [ -n "$archs_why" ] || fail "no reason given") || exit 1
echo "arch choice: ok"
