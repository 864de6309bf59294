#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
#
# The checks a plain test run cannot make, run from the repository root:
#   bash scripts/harden.sh
# 1. the whole test suite built with AddressSanitizer and
#    UndefinedBehaviorSanitizer (build-asan, g++);
# 2. the libFuzzer targets in fuzz/ (build-fuzz, clang), each for
#    FUZZ_SECONDS seconds (20 unless set). Fuzz longer by hand with, e.g.,
#    FUZZ_SECONDS=3600 bash scripts/harden.sh
# Any sanitizer report, failing test or fuzzer finding fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# Beyond the build packages: clang with its sanitizer and libFuzzer
# run-times, and llvm-symbolizer for readable stack traces.
HARDEN_PACKAGES=(clang libclang-rt-14-dev llvm-14)

source scripts/packages.sh

install_missing "${HARDEN_PACKAGES[@]}"
jobs=$(nproc)
scratch=$(mktemp -d)
# The score-file fuzz target saves a file after every input, and a save waits
# for the disk; in memory it runs about eight times as many inputs.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    fuzz_folder=$(mktemp -d -p /dev/shm)
else
    fuzz_folder=$(mktemp -d)
fi
trap 'rm -rf "$scratch" "$fuzz_folder"' EXIT

# -- 1. the suite under ASan and UBSan -----------------------------------------

sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
echo "== AddressSanitizer and UndefinedBehaviorSanitizer build (build-asan)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
    -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" \
    -DCMAKE_SHARED_LINKER_FLAGS="$sanitize" >/dev/null
cmake --build build-asan --parallel "$jobs"

echo "== The suite under the sanitizers"
mkdir -m 0700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
# The fault check has run in the plain build already.
ctest --test-dir build-asan --output-on-failure --no-tests=error --parallel "$jobs" -E '^tst_soak$' -LE faults
# The soak test's 200 games take about two minutes under the sanitizers, more
# than the 120 s the suite gives each test, so it runs outside ctest here.
echo "== tst_soak under the sanitizers"
# QtTest's own limit per test function is five minutes; a slow machine may
# need more.
(cd "$scratch" && QTEST_FUNCTION_TIMEOUT=900000 "$root/build-asan/tests/tst_soak" -silent)

# -- 2. the fuzz targets -----------------------------------------------------------

echo "== libFuzzer build (build-fuzz)"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DPIPSTACK_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz --parallel "$jobs" --target fuzz_scorefile fuzz_cint

seconds=${FUZZ_SECONDS:-20}
for target in fuzz_scorefile fuzz_cint; do
    corpus="$fuzz_folder/corpus-$target"
    mkdir -p "$corpus"
    seeds="$root/fuzz/corpus/${target#fuzz_}"
    [ -d "$seeds" ] && cp "$seeds"/* "$corpus"/
    echo "== Fuzzing $target for $seconds s"
    # Absolute paths only: the score-file target works in a folder of its own.
    # A finding is written to the build folder and fails the run.
    if ! TMPDIR="$fuzz_folder" "$root/build-fuzz/fuzz/$target" -max_total_time="$seconds" -max_len=8192 \
        -artifact_prefix="$root/build-fuzz/$target-" "$corpus" >"$scratch/$target.log" 2>&1; then
        grep -v '^#[0-9]' "$scratch/$target.log" | tail -n 80
        echo "$target found a fault; the input is in build-fuzz/ (see the artifact line above)" >&2
        exit 1
    fi
    grep -E '^Done' "$scratch/$target.log" || true
done
echo "== Hardening checks passed in $SECONDS s"
