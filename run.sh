#!/usr/bin/env bash
# Installs what is missing, builds a release build, seeds the data folder
# (~/Miravela, or the folder given as the first argument) and starts the
# program there. Existing data files are never overwritten.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

source "$here/scripts/install-deps.sh"
miravela_install_missing

build="$here/build/release"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DMIRAVELA_TESTS=OFF -DMIRAVELA_BENCH=OFF >/dev/null
cmake --build "$build"

# The launcher of the installed program seeds the data folder and starts the
# program in it; here it is pointed at the build tree.
MIRAVELA_BINARY="$build/src/miravela" MIRAVELA_DEFAULT_DATA="$here/resources/data" \
    exec "$build/packaging/miravela" "$@"
