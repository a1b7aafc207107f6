#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/ (the fuzz preset of
# CMakePresets.json), then runs each one for SECONDS (default 60) from its
# committed seed corpus. New inputs the fuzzer finds go to build-fuzz/corpus/,
# a failing input to build-fuzz/; the committed seeds are only read.
#   tests/fuzz/run.sh [SECONDS [TARGET...]]    TARGET: read_number write_number session
set -euo pipefail
seconds="${1:-60}"
shift || true
targets=("$@")
((${#targets[@]})) || targets=(read_number write_number session)

cd "$(dirname "$0")/../.."
scripts/setup.sh --fuzz
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
for target in "${targets[@]}"; do
  work="build-fuzz/corpus/$target"
  mkdir -p "$work"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="build-fuzz/$target-")
  [ -f "tests/fuzz/$target.dict" ] && options+=(-dict="tests/fuzz/$target.dict")
  echo "== fuzz_$target for ${seconds}s"
  "build-fuzz/bin/fuzz_$target" "${options[@]}" "$work" "tests/fuzz/corpus/$target"
done
