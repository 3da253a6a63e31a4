#!/bin/sh
# The test runs of tools/run-tests.sh, on what it built. Only for a network
# namespace of its own (unshare -n): the application broadcasts as it starts.
set -e
cd "$(dirname "$0")/.."

if ip -o link show | grep -qv ': lo:'; then
    echo "Refusing to run: this network namespace holds more than loopback." >&2
    exit 1
fi
ip link set lo up

# The fuzzer's new inputs of this run; the shipped corpus stays as it is.
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT

ctest --test-dir build --output-on-failure --parallel "$(nproc)"

echo 'Logging in by hand in a real window'
sh tests/e2e/manual-login.sh build

echo 'Fuzzing the reply decoding for 60 s'
if ! LSAN_OPTIONS=suppressions=tests/lsan.supp QT_QPA_PLATFORM=offscreen \
    build-fuzz/tests/fuzz/fuzz_replies -max_total_time=60 -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build-fuzz/ "$found" tests/fuzz/corpus > build-fuzz/fuzz.log 2>&1; then
    tail -n 60 build-fuzz/fuzz.log
    exit 1
fi
tail -n 1 build-fuzz/fuzz.log
