#!/usr/bin/env bash
# Runs fuzz targets for a bounded time each.
#   fuzz/run.sh BUILD_DIR SECONDS TARGET...
# New inputs go to BUILD_DIR/fuzz-corpus/TARGET (the committed seeds in
# fuzz/corpus/TARGET are only read); a finding is written to
# BUILD_DIR/fuzz-findings/ and makes the script fail.
set -euo pipefail

build_dir=$1
seconds=$2
shift 2
source_dir=$(cd "$(dirname "$0")" && pwd)

failed=()
for target in "$@"; do
    corpus="$build_dir/fuzz-corpus/$target"
    findings="$build_dir/fuzz-findings"
    mkdir -p "$corpus" "$findings"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="$findings/$target-")
    if [ -f "$source_dir/dict/$target.dict" ]; then
        options+=(-dict="$source_dir/dict/$target.dict")
    fi
    echo "fuzz: $target for ${seconds}s"
    if ! "$build_dir/fuzz/fuzz_$target" "${options[@]}" "$corpus" "$source_dir/corpus/$target"; then
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: findings in ${failed[*]} (inputs in $build_dir/fuzz-findings/)" >&2
    exit 1
fi
echo "fuzz: no findings"
