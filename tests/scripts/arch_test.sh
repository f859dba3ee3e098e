#!/usr/bin/env bash
# The scripts around the build, checked natively with stand-ins for what they
# call: the choice of builds (the 64-bit build always, the 32-bit one exactly
# where the 32-bit Wine loader starts once setup has installed what is
# missing), the layout check without clang-format, and the compiler cache
# shared by clones in other folders.
set -u
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
fail() { echo "FAIL: $*"; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

(MDX_NO_32BIT=1; source "$scripts/arch.sh"
 [ "${archs[*]}" = x86_64 ] || fail "without 32-bit support: '${archs[*]}'"
 [[ $archs_why == *MDX_NO_32BIT* ]] || fail "reason not said: '$archs_why'") || exit 1

(unset MDX_NO_32BIT; source "$scripts/arch.sh"
 if /usr/lib/wine/wine --version >/dev/null 2>&1; then want="i686 x86_64"; else want=x86_64; fi
 [ "${archs[*]}" = "$want" ] || fail "this machine: '${archs[*]}', expected '$want'"
 [ -n "$archs_why" ] || fail "no reason given") || exit 1

# A fresh machine: the 32-bit loader arrives only with setup. The stand-in
# setup installs it; the stand-in cmake and clang-format record what they are
# given and stop the build, so the commands end right after their choice.
mkdir -p "$tmp/bin"
cat >"$tmp/setup.sh" <<SETUP
printf '#!/bin/sh\nexit 0\n' >"$tmp/wine32"
chmod +x "$tmp/wine32"
SETUP
cat >"$tmp/bin/cmake" <<CMAKE
#!/bin/sh
echo "\$CCACHE_BASEDIR \$CCACHE_NOHASHDIR" >"$tmp/ccache-env"
exit 3
CMAKE
printf '#!/bin/sh\nexit 0\n' >"$tmp/bin/clang-format"
chmod +x "$tmp/bin/cmake" "$tmp/bin/clang-format"
for command in run.sh test.sh; do
  rm -f "$tmp/wine32" "$tmp/ccache-env"
  out=$(unset MDX_NO_32BIT; MDX_SETUP=$tmp/setup.sh MDX_WINE32_LOADER=$tmp/wine32 PATH="$tmp/bin:$PATH" \
        MDX_BUILD_DIR=$tmp/build bash "$scripts/$command" 2>&1)
  [[ $out == *"this machine runs 32-bit code"* ]] || fail "$command chose before setup: $out"
  [ "$(cat "$tmp/ccache-env" 2>/dev/null)" = "$(dirname "$scripts") 1" ] ||
    fail "$command: the compiler cache is not based on the checkout: '$(cat "$tmp/ccache-env" 2>/dev/null)'"
done

# Without clang-format the layout check fails and says why.
mkdir -p "$tmp/plain"
for tool in git xargs sed sort dirname; do ln -s "$(command -v "$tool")" "$tmp/plain/$tool"; done
out=$(PATH="$tmp/plain" /bin/bash "$scripts/layout.sh" 2>&1) && fail "layout passed without clang-format"
[[ $out == *"clang-format is missing"* ]] || fail "layout did not say what is missing: $out"
echo "build scripts: ok"
