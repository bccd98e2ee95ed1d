#!/usr/bin/env bash
# Installs what is missing, builds a release build, seeds the data folder
# (~/Miravela, or the folder given as the first argument) and starts the
# program there. Existing data files are never overwritten.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
data_dir=${1:-$HOME/Miravela}

source "$here/scripts/install-deps.sh"
miravela_install_missing

build="$here/build/release"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DMIRAVELA_TESTS=OFF -DMIRAVELA_BENCH=OFF >/dev/null
cmake --build "$build"

mkdir -p "$data_dir"
for file in Daty.txt Notatki1.txt Notatki2.txt Notatki3.txt; do
    [ -e "$data_dir/$file" ] || cp "$here/resources/data/$file" "$data_dir/$file"
done

# The interface is Polish: without a locale of its own the session gets the
# Polish month names and date format.
case "${LC_ALL:-${LANG:-C}}" in
    C | C.* | POSIX) export LANG=pl_PL.UTF-8; unset LC_ALL ;;
esac

cd "$data_dir"
exec "$build/src/miravela"
