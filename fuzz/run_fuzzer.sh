#!/bin/sh
# Runs a libFuzzer target of the fuzz tree for a fixed time on one core:
#   fuzz/run_fuzzer.sh FUZZER SECONDS WORKDIR [libFuzzer options...]
# FUZZER is build/fuzz/NAME_fuzzer (pad, fields or options). Its seeds are
# fuzz/corpus/NAME (only read); its dictionary fuzz/options.dict for the
# options target, fuzz/pad.dict for the two that read PAD files. Inputs that
# find new paths are kept in WORKDIR/corpus, so a later run goes on from
# there; reproducers of failures land in WORKDIR/artifacts. The exit status is
# libFuzzer's: 0 when the time ran out without a finding.
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
target=$(basename "$fuzzer")
target=${target%_fuzzer}
case $target in
    pad | fields) dict=pad max_len=32768 ;;
    options) dict=options max_len=1024 ;;
    *)
        echo "$fuzzer: not one of the fuzz targets (pad, fields, options)" >&2
        exit 2
        ;;
esac
mkdir -p "$work/corpus" "$work/artifacts"
work=$(cd "$work" && pwd)
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -max_len="$max_len" -dict="$root/fuzz/$dict.dict" -artifact_prefix="$work/artifacts/" "$@" \
    "$work/corpus" "$root/fuzz/corpus/$target"
