#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   ./test.sh             the Release build in build/
#   ./test.sh --sanitize  the same suite on a build with AddressSanitizer and
#                         UndefinedBehaviorSanitizer in build-sanitize/,
#                         stopping at the first report
set -euo pipefail
cd "$(dirname "$0")"
case "${1:-}" in
  "")
    scripts/setup.sh
    cd build
    ;;
  --sanitize)
    scripts/setup.sh --sanitize
    export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    cd build-sanitize
    ;;
  *)
    echo "usage: ./test.sh [--sanitize]" >&2
    exit 2
    ;;
esac
ctest --output-on-failure --parallel "$(nproc)"
