#!/bin/sh
# Builds everything and runs every test in a network namespace that holds only
# loopback, then the fuzz target of the reply decoding for a bounded time.
set -e
cd "$(dirname "$0")/.."
jobs=$(nproc)

cmake -S . -B build
cmake --build build -j"$jobs"
cmake -S . -B build-fuzz -DFUZZ=ON -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j"$jobs"

found=$(mktemp -d)
unshare -n sh -c "
  set -e
  ip link set lo up
  ctest --test-dir build --output-on-failure
  echo 'Logging in by hand in a real window'
  sh tests/e2e/manual-login.sh build
  echo 'Fuzzing the reply decoding for 60 s'
  if ! LSAN_OPTIONS=suppressions=tests/lsan.supp QT_QPA_PLATFORM=offscreen \
       build-fuzz/tests/fuzz/fuzz_replies -max_total_time=60 -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix=build-fuzz/ $found tests/fuzz/corpus > build-fuzz/fuzz.log 2>&1; then
    tail -n 60 build-fuzz/fuzz.log
    exit 1
  fi
  tail -n 1 build-fuzz/fuzz.log
"
