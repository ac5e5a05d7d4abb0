#!/usr/bin/env bash
# Builds macbatch.exe and its window benchmark, then runs the benchmark under
# Wine: bench.sh [BUILD_FOLDER [window_bench options]] (default build/windows),
# for instance `bench.sh build/windows --entries 2000` for a shorter run.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/windows}
shift || true
cmake --no-warn-unused-cli -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target macbatch window_bench entry_floor

# The program is found from the benchmark's folder, as Wine sees both.
program=$(realpath --relative-to="$build/bench" "$build/src/win32/macbatch.exe")
cd "$build/bench"
exec "$OLDPWD/tools/wine-run.sh" window_bench.exe "$program" "$@"
