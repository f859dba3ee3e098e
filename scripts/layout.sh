#!/usr/bin/env bash
# Checks that every C++ file of the checkout is laid out as .clang-format
# says; names the files that differ and fails, and fails when clang-format
# itself is missing or cannot check a file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if ! command -v clang-format >/dev/null; then
  echo "layout: clang-format is missing, so the layout cannot be checked (scripts/setup.sh installs it)" >&2
  exit 1
fi
report=$(cd "$root" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror 2>&1) && exit 0
unformatted=$(sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$report" | sort -u)
if [ -z "$unformatted" ]; then
  echo "layout: clang-format failed:" >&2
  echo "$report" >&2
  exit 1
fi
echo "layout: these files differ from the layout of .clang-format (clang-format -i FILE):" >&2
printf '  %s\n' $unformatted >&2
exit 1
