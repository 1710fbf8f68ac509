#!/bin/sh
# Runs the libFuzzer target for a fixed time on one core:
#   fuzz/run_fuzzer.sh FUZZER SECONDS WORKDIR [libFuzzer options...]
# Seeds: the real PAD corpus and the sample of examples/ (only read). Inputs
# that find new paths are kept in WORKDIR/corpus, so a later run goes on
# from there; reproducers of failures land in WORKDIR/artifacts. The exit
# status is libFuzzer's: 0 when the time ran out without a finding.
set -eu
if [ $# -lt 3 ]; then
    echo "usage: $0 FUZZER SECONDS WORKDIR [libFuzzer options...]" >&2
    exit 2
fi
fuzzer=$1
seconds=$2
work=$3
shift 3
root=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -x "$fuzzer" ]; then
    echo "$fuzzer: no fuzzer there; build the fuzz tree first (build_fuzz in scripts/common.sh)" >&2
    exit 1
fi
mkdir -p "$work/corpus" "$work/artifacts"
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -dict="$root/fuzz/pad.dict" -artifact_prefix="$work/artifacts/" "$@" \
    "$work/corpus" "$root/tests/corpus/real" "$root/examples"
