#!/usr/bin/env bash
# Builds the benchmarks, makes the generated song folders once, and runs every benchmark on each.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" Release
corpus_root=/tmp/vellorin-corpus
generator="$root/../shared/bench/gen_corpus.py"
for size in 1000 10000; do
  [ -d "$corpus_root/n$size" ] || python3 "$generator" --songs "$size" --out "$corpus_root/n$size"
  for bench in "$root"/build-Release/bench/bench_*; do
    VELLORIN_BENCH_CORPUS="$corpus_root/n$size" QT_QPA_PLATFORM=offscreen "$bench"
  done
  # A first load or start is one sample per process: a few more processes give its median.
  for run in 1 2 3 4; do
    VELLORIN_BENCH_CORPUS="$corpus_root/n$size" QT_QPA_PLATFORM=offscreen \
      "$root/build-Release/bench/bench_library" --benchmark_filter=BM_FirstLoadLibrary
    VELLORIN_BENCH_CORPUS="$corpus_root/n$size" QT_QPA_PLATFORM=offscreen \
      "$root/build-Release/bench/bench_render" --benchmark_filter='first layout'
    VELLORIN_BENCH_CORPUS="$corpus_root/n$size" QT_QPA_PLATFORM=offscreen \
      "$root/build-Release/bench/bench_startup" --benchmark_filter='BM_StartToSongDrawn/'
  done
done
# The song list's search and sorting at stage scale.
[ -d "$corpus_root/n50000" ] || python3 "$generator" --songs 50000 --out "$corpus_root/n50000"
VELLORIN_BENCH_CORPUS="$corpus_root/n50000" QT_QPA_PLATFORM=offscreen "$root/build-Release/bench/bench_library" \
  --benchmark_filter='BM_SortAllSongs|BM_FilterWhileTyping|BM_FirstSearchAfterLoad'
