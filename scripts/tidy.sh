#!/usr/bin/env bash
# Checks the C++ files a change touches: clang-format's house style
# (.clang-format) and clang-tidy's checks (.clang-tidy), with the compile
# commands of build/ (run ./test.sh first).
#   scripts/tidy.sh          the files changed since the branch left main,
#                            or by the last commit when on main itself
#   scripts/tidy.sh REV      the files changed since REV
#   scripts/tidy.sh --all    every file
# A header counts through the source file of the same name, if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-tidy >/dev/null || ! command -v clang-format >/dev/null; then
  echo "Installing: clang-tidy clang-format"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq clang-tidy clang-format
fi
[ -f build/compile_commands.json ] || { echo "build/compile_commands.json is missing: run ./test.sh" >&2; exit 2; }

if [ "${1:-}" = "--all" ]; then
  changed=$(git ls-files '*.cpp' '*.h')
else
  base="${1:-}"
  if [ -z "$base" ]; then
    base=$(git merge-base HEAD origin/main 2>/dev/null || git merge-base HEAD main 2>/dev/null || true)
    if [ -z "$base" ] || [ "$base" = "$(git rev-parse HEAD)" ]; then
      base=$(git rev-parse --verify -q HEAD~1 || git hash-object -t tree /dev/null)
    fi
  fi
  changed=$(git diff --name-only --diff-filter=d "$base" HEAD -- '*.cpp' '*.h')
fi

if [ -n "$changed" ]; then
  # shellcheck disable=SC2086
  clang-format --dry-run --Werror $changed
fi

# Only files the native build compiles have compile commands: the web
# binding and the fuzz targets are built by other compilers.
files=()
for f in $changed; do
  case "$f" in *.h) f="${f%.h}.cpp" ;; esac
  [ -f "$f" ] || continue
  grep -q "\"file\": \"$PWD/$f\"" build/compile_commands.json || continue
  [[ " ${files[*]} " == *" $f "* ]] || files+=("$f")
done
if ((${#files[@]} == 0)); then
  echo "clang-tidy: no changed source file"
  exit 0
fi
echo "clang-tidy on ${#files[@]} file(s)"
printf '%s\n' "${files[@]}" | xargs -n 4 -P "$(nproc)" clang-tidy -p build --quiet
