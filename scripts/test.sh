#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: the full build, then all of
# it again under AddressSanitizer and UBSan (leak detection on, the window tests
# included, the fuzz targets replayed; see the asan test preset).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake --preset dev
cmake --build --preset dev -j2
ctest --preset dev --no-tests=error

cmake --preset asan
cmake --build --preset asan -j2
ctest --preset asan --no-tests=error
