#!/bin/sh
# quillot-render --check over the corpus split into four shards that run side
# by side (xargs -P4), as a catalog spreads its files over processes or
# machines, gives the same lines, sorted by file, as one run over all of it;
# and the same exit status.
# Usage: check_shards_test.sh QUILLOT_RENDER CORPUS_DIR
set -u
render=$1
corpus=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The corpus file names hold no blanks, so the lists are split at blanks.
ls "$corpus"/*.xml >"$work/files"
[ "$(wc -l <"$work/files")" -ge 60 ] || { echo "too few corpus files"; exit 1; }
"$render" --check $(cat "$work/files") >"$work/one.out"
one=$?
[ "$one" -eq 3 ] || [ "$one" -eq 0 ] || { echo "one run: exit status $one"; exit 1; }

mkdir "$work/shards"
split -n r/4 "$work/files" "$work/shards/shard."
ls "$work/shards"/shard.* | xargs -P4 -I{} sh -c \
    '"$1" --check $(cat "$2") >"$2.out"; echo $? >"$2.status"' sh "$render" {}
sort "$work/one.out" >"$work/one.sorted"
cat "$work/shards"/*.out | sort >"$work/shards.sorted"
if ! cmp -s "$work/one.sorted" "$work/shards.sorted"; then
    echo "the shards' lines differ from those of one run:"
    diff "$work/one.sorted" "$work/shards.sorted" | head -20
    exit 1
fi
# The worst status of the shards is that of the one run.
worst=$(cat "$work/shards"/*.status | sort -n | tail -1)
[ "$worst" -eq "$one" ] || { echo "shards: exit status $worst, one run: $one"; exit 1; }
echo "$(wc -l <"$work/one.out") lines, the same in one run and in four shards"
