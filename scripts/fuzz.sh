#!/usr/bin/env bash
# Fuzzes the readers of outside data with libFuzzer and the address and undefined-behaviour sanitizers:
#   scripts/fuzz.sh [seconds per target, default 60] [--merge] [target...]
# Each target runs on a scratch copy of its committed seeds and regressions (libFuzzer writes new inputs into
# its first corpus folder, which must never be the committed one). Findings go to build-fuzz/artifacts/<name>/
# and fail the run; keep each one's input in fuzz/regressions/<name>/ once its cause is fixed. --merge
# minimises the grown corpus back into fuzz/corpus/<name>/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds=60
merge=0
targets=()
for argument in "$@"; do
  case "$argument" in
    --merge) merge=1 ;;
    ''|*[!0-9]*) targets+=("$argument") ;;
    *) seconds="$argument" ;;
  esac
done
[ ${#targets[@]} -gt 0 ] || targets=($(cd "$root/fuzz" && ls *_fuzz.cpp | sed 's/_fuzz\.cpp$//'))

"$root/scripts/setup.sh"
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target fuzz_targets

# The longest input worth trying per target: a song or a database is long, a chord name or an event short.
max_len() {
  case "$1" in
    pdb) echo 65536 ;;
    songtext|textfile|exports|songlayout) echo 16384 ;;
    settings|playlist|userchords) echo 8192 ;;
    midi) echo 512 ;;
    peer) echo 4096 ;;
    *) echo 256 ;;
  esac
}

export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1"
export ASAN_SYMBOLIZER_PATH="$(command -v llvm-symbolizer-16 || command -v llvm-symbolizer || true)"

failed=()
for name in "${targets[@]}"; do
  seeds=("fuzz/corpus/$name" "fuzz/regressions/$name")
  # Targets that read song texts share the song seeds beside their own (fuzz/CMakeLists.txt knows the same list).
  case "$name" in textfile|exports|songlayout) seeds+=(fuzz/corpus/songtext) ;; esac
  scratch="$(mktemp -d)"
  find "${seeds[@]}" -type f ! -name .keep -exec cp {} "$scratch/" \;
  artifacts="build-fuzz/artifacts/$name"
  mkdir -p "$artifacts"
  dictionary=()
  leaks=1
  # The two rendering targets take song texts. Qt's font engine keeps glyph caches in uninstrumented libraries
  # (FreeType, HarfBuzz, Qt's own) past the leak check, so those two run without it; every other target checks.
  case "$name" in exports|songlayout) words=songtext; leaks=0 ;; *) words="$name" ;; esac
  [ -f "fuzz/$words.dict" ] && dictionary=(-dict="fuzz/$words.dict")
  echo "== $name: $seconds s"
  if ! ASAN_OPTIONS="detect_leaks=$leaks:allocator_may_return_null=1" \
       "build-fuzz/fuzz/${name}_fuzz" "$scratch" "${dictionary[@]}" -max_total_time="$seconds" -timeout=10 \
       -rss_limit_mb=2048 -max_len="$(max_len "$name")" -artifact_prefix="$artifacts/" -print_final_stats=1 -detect_leaks="$leaks" \
       2>"build-fuzz/artifacts/$name.log"; then
    tail -60 "build-fuzz/artifacts/$name.log"
    failed+=("$name")
  else
    grep -E "^stat::(number_of_executed_units|new_units_added|peak_rss_mb)|cov: " "build-fuzz/artifacts/$name.log" | tail -4
  fi
  if [ "$merge" -eq 1 ]; then
    minimised="$(mktemp -d)"
    "build-fuzz/fuzz/${name}_fuzz" -merge=1 "$minimised" "$scratch" 2>/dev/null
    rm -f "fuzz/corpus/$name"/*
    cp "$minimised"/* "fuzz/corpus/$name/"
    rm -rf "$minimised"
  fi
  rm -rf "$scratch"
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found problems in: ${failed[*]} (inputs in build-fuzz/artifacts/)"
  exit 1
fi
echo "Fuzzing found nothing in: ${targets[*]}"
