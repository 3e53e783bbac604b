#!/usr/bin/env bash
# The whole test suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then a short run of every fuzz target (ZEFNARO_FUZZ_SECONDS each, 30 by default).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${ZEFNARO_PACKAGES[@]}" clang-14 libclang-rt-14-dev

[ -f build-sanitize/build.ninja ] || cmake --preset sanitize
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"

[ -f build-fuzz/build.ninja ] || cmake --preset fuzz
cmake --build build-fuzz
seconds=${ZEFNARO_FUZZ_SECONDS:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in read_number engine report written_number date; do
  # The committed seeds stay as they are; the fuzzer grows a copy.
  mkdir -p "$work/$target"
  cp tests/fuzz/corpus/$target/* "$work/$target/"
  echo "fuzzing $target for ${seconds} s"
  build-fuzz/bin/${target}_fuzz -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$work/$target-" "$work/$target" 2>"$work/$target.log" ||
    { tail -n 40 "$work/$target.log"; echo "fuzzing $target found a failure"; exit 1; }
  grep -E "stat::number_of_executed_units|DONE" "$work/$target.log" | tail -n 2
done
echo "fuzz: 5 passed, 0 failed"
