#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keyvora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a bounded time from its seed
# corpus. Any crash, hang, leak or sanitizer report fails the run; the input that caused it
# is kept in <build-dir>/artifacts for replay (<build-dir>/fuzz_<target> <file>).
#   fuzz/run.sh [build-dir] [seconds-per-target]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(realpath -m "${1:-$here/../build-fuzz}")
seconds=${2:-20}
targets=(practicefile normalisation)

CXX=${FUZZ_CXX:-clang++-14} cmake -S "$here" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

# New inputs found along the way go to a scratch folder, so the committed corpus stays small.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$build/artifacts"
mkdir -p "$build/artifacts"
failed=()
for target in "${targets[@]}"; do
    mkdir "$work/$target"
    log=$build/artifacts/$target.log
    if ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$build/fuzz_$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
        -detect_leaks=1 -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
        "$work/$target" "$here/corpus/$target" >"$log" 2>&1; then
        echo "fuzz_$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log")"
    else
        echo "fuzz_$target FAILED; the log ends:" >&2
        tail -n 40 "$log" >&2
        failed+=("$target")
    fi
done
((${#failed[@]} == 0))
