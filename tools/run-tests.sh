#!/bin/sh
# Builds everything, then runs every test, the end-to-end login and a bounded
# fuzzing of the reply decoding in a network namespace that holds only
# loopback (tools/run-tests-isolated.sh). JOBS sets the build's parallelism.
set -e
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}

cmake -S . -B build
cmake --build build -j"$jobs"
cmake -S . -B build-fuzz -DFUZZ=ON -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j"$jobs"

unshare -n sh tools/run-tests-isolated.sh
