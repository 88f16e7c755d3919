#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in a normal build with
# warnings as errors, and with AddressSanitizer and UndefinedBehaviorSanitizer. Then each
# fuzz target runs for FUZZ_SECONDS (default 30). Ends with one line "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh || exit 1

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
XDG_RUNTIME_DIR=$(mktemp -d) && chmod 700 "$XDG_RUNTIME_DIR" && export XDG_RUNTIME_DIR
jobs=$(nproc)
passed=0
failed=0

# Runs ctest in a build folder and adds its counts to the totals.
run_ctest() {
  local dir=$1 out
  shift
  out=$(cd "$dir" && ctest --output-on-failure -j "$jobs" "$@" 2>&1)
  echo "$out" | tail -n 40
  local line total bad
  line=$(echo "$out" | grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' | tail -n 1)
  if [ -z "$line" ]; then
    failed=$((failed + 1))
    return
  fi
  bad=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
  total=$(echo "$line" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DTW_WERROR=ON "$@" >/dev/null && cmake --build "$dir" -j "$jobs"
}

echo "== normal build"
if build build/ci -DCMAKE_BUILD_TYPE=RelWithDebInfo; then run_ctest build/ci; else failed=$((failed + 1)); fi

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
if build build/asan -DCMAKE_BUILD_TYPE=Debug -DTW_SANITIZE=ON -DTW_BUILD_BENCH=OFF; then
  run_ctest build/asan -LE slow
else
  failed=$((failed + 1))
fi

echo "== fuzzing"
if CC=clang CXX=clang++ build build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_FUZZ=ON \
     -DTW_BUILD_UI=OFF -DTW_BUILD_BENCH=OFF; then
  for f in fuzz/fuzz_*.cpp; do
    name=$(basename "$f" .cpp)
    corpus=build/fuzz/corpus-$name
    mkdir -p "$corpus"
    # The game's own data files are the seeds.
    case $name in
      fuzz_map) cp -n data/map/*.map "$corpus"/ ;;
      fuzz_bitmap) cp -n data/texture/*.bmp "$corpus"/ ;;
      fuzz_media) cp -n data/sound/*.wav data/music/level0*.mid "$corpus"/ ;;
      fuzz_profile) printf '[general]\r\nNick="a b"\r\nMidiVolume=0x10\r\n' >"$corpus"/seed.ini ;;
    esac
    if build/fuzz/bin/"$name" -max_total_time="${FUZZ_SECONDS:-30}" -max_len=65536 \
         -artifact_prefix=build/fuzz/ "$corpus" >build/fuzz/"$name".log 2>&1; then
      echo "$name: no failure in ${FUZZ_SECONDS:-30} s ($(grep -c '' build/fuzz/"$name".log) log lines)"
      passed=$((passed + 1))
    else
      tail -n 30 build/fuzz/"$name".log
      echo "$name: FAILED"
      failed=$((failed + 1))
    fi
  done
else
  failed=$((failed + 1))
fi

echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
