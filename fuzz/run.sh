#!/usr/bin/env bash
# Builds the fuzz targets (clang, ASan + UBSan) and runs each for SECONDS on a corpus seeded
# from tests/data. The corpus is a temporary copy, so tests/data is never written; findings
# (crash-*, leak-*, timeout-*) land in fuzz/findings/<target>/.
#   fuzz/run.sh SECONDS [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: fuzz/run.sh SECONDS [BUILD_DIR]}
build=${2:-build-fuzz}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORI_BUILD_FUZZ=ON \
  -DZORI_BUILD_TESTS=OFF -DCMAKE_CXX_COMPILER="${CXX:-clang++}" >/dev/null
targets=()
for source in fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" >/dev/null

# The files each reader takes, by the folders of tests/data that hold them.
seeds() {
  case "$1" in
    dfm_fuzz) echo tests/data/forms tests/data/host examples ;;
    datapacket_fuzz) echo tests/data/datapackets tests/data/config data ;;
    project_files_fuzz) echo tests/data/projects tests/data/host examples ;;
    filter_fuzz) echo fuzz/seeds/filter ;;
    parser_fuzz | comment_text_fuzz) echo tests/data/parser tests/data/comment ;;
    *) echo tests/data ;;
  esac
}
pattern() {
  case "$1" in
    dfm_fuzz) echo '*.[dl]fm' ;;
    datapacket_fuzz) echo '*.xml' ;;
    project_files_fuzz) echo '*.[dl][ps][rki]' ;;
    filter_fuzz) echo '*.txt' ;;
    *) echo '*.pas' ;;
  esac
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in "${targets[@]}"; do
  corpus="$work/$target"
  mkdir -p "$corpus" "fuzz/findings/$target"
  # shellcheck disable=SC2046
  find $(seeds "$target") -type f -name "$(pattern "$target")" -size -64k \
    -exec cp -t "$corpus" {} + 2>/dev/null || true
  [ -z "$(ls -A "$corpus")" ] && printf 'seed\n' >"$corpus/seed"
  dict=()
  [ -f "fuzz/$target.dict" ] && dict=("-dict=fuzz/$target.dict")
  echo "== $target ($(ls "$corpus" | wc -l) seeds, ${seconds}s)"
  if ! "$build/fuzz/$target" "$corpus" "${dict[@]}" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
      -artifact_prefix="fuzz/findings/$target/" 2>"$work/$target.log"; then
    status=1
    tail -40 "$work/$target.log"
  fi
  grep -E '^#[0-9]+.*DONE|stat::number_of_executed_units|cov:' "$work/$target.log" | tail -2
done
exit $status
