#!/usr/bin/env bash
# Checks that the README's commands work on a fresh, minimal Debian 12: builds
# one with `debootstrap --variant=minbase bookworm`, adds git, clones this
# repository into it and runs there, as root and timed:
#   1. ./test.sh                        every test passes;
#   2. ./run.sh                         builds, seeds ~/Miravela and starts the
#                                       program (offscreen), still running after
#                                       some seconds;
#   3. the README's Debian package commands, then `apt install` of the package
#      and the installed launcher's --version.
# Says which step failed, with the end of its log, and exits non-zero then.
#
# Run it as root (debootstrap and the chroot need it) before a release and
# after any change to the packages the build needs (scripts/install-deps.sh,
# packaging/). It takes a while (about half an hour on two cores) and is not
# part of ./test.sh.
#
#   scripts/check-fresh-debian.sh [WORK_DIR]
#
# WORK_DIR (default /var/tmp/miravela-fresh-debian) holds the chroot and the
# logs; it is made anew on every run. The clone is of this repository's
# committed HEAD: uncommitted changes are not checked.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=${1:-/var/tmp/miravela-fresh-debian}
root=$work/root
logs=$work/logs

[ "$(id -u)" -eq 0 ] || { echo "Run this as root: it builds and enters a chroot." >&2; exit 2; }

mounted=()
cleanup() {
    # Stop anything the checks left running in the chroot, then unmount.
    if [ -d "$root/proc" ]; then
        for pid in $(ls /proc | grep -E '^[0-9]+$'); do
            [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$root" ] && kill -9 "$pid" 2>/dev/null || true
        done
    fi
    local index
    for ((index = ${#mounted[@]} - 1; index >= 0; index--)); do
        umount -l "${mounted[index]}" 2>/dev/null || true
    done
}
trap cleanup EXIT

step_started=0
step() {
    step_name=$1
    step_log=$logs/$2.log
    step_started=$(date +%s)
    echo "== $step_name"
}
passed() {
    echo "   passed in $(($(date +%s) - step_started)) s (log: $step_log)"
}
failed() {
    echo "   FAILED after $(($(date +%s) - step_started)) s: $step_name" >&2
    [ $# -gt 0 ] && echo "   $*" >&2
    echo "   --- last lines of $step_log ---" >&2
    tail -n 40 "$step_log" >&2 || true
    exit 1
}
in_root() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        TERM=dumb "$@"
}

if ! command -v debootstrap >/dev/null; then
    echo "Installing debootstrap"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
fi

rm -rf "$work"
mkdir -p "$root" "$logs"

step "debootstrap --variant=minbase bookworm" debootstrap
debootstrap --variant=minbase bookworm "$root" >"$step_log" 2>&1 || failed
passed

for point in proc sys dev dev/pts; do
    mkdir -p "$root/$point"
done
mount -t proc proc "$root/proc" && mounted+=("$root/proc")
mount -t sysfs sys "$root/sys" && mounted+=("$root/sys")
mount --bind /dev "$root/dev" && mounted+=("$root/dev")
mount --bind /dev/pts "$root/dev/pts" && mounted+=("$root/dev/pts")
cp /etc/resolv.conf "$root/etc/resolv.conf"

step "apt-get install git" git
{ in_root apt-get update && in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y git; } \
    >"$step_log" 2>&1 || failed
passed

step "git clone" clone
git -C "$here" bundle create "$root/root/miravela.bundle" HEAD >"$step_log" 2>&1 || failed
in_root git clone -q /root/miravela.bundle /root/miravela >>"$step_log" 2>&1 || failed
passed

step "./test.sh" test
in_root bash -c 'cd /root/miravela && ./test.sh' >"$step_log" 2>&1 || failed
grep -q '100% tests passed' "$step_log" || failed "ctest did not report every test passed"
! grep -q 'tests did not run' "$step_log" || failed "some tests were skipped"
passed

step "./run.sh (offscreen)" run
in_root bash -c 'cd /root/miravela && exec env QT_QPA_PLATFORM=offscreen ./run.sh' >"$step_log" 2>&1 &
run_job=$!
# The first run builds a release tree; then the launcher seeds the folder and
# becomes the program.
program=$root/root/miravela/build/release/src/miravela
program_pid() {
    local exe
    for exe in /proc/[0-9]*/exe; do
        if [ "$(readlink "$exe" 2>/dev/null)" = "$program" ]; then
            basename "$(dirname "$exe")"
            return
        fi
    done
}
run_pid=""
for _ in $(seq 1 1800); do
    run_pid=$(program_pid)
    [ -n "$run_pid" ] && break
    kill -0 "$run_job" 2>/dev/null || failed "run.sh ended before the program started"
    sleep 1
done
[ -n "$run_pid" ] || failed "the program did not start"
sleep 5
kill -0 "$run_pid" 2>/dev/null || failed "the program ended within 5 seconds"
for file in Daty.txt Notatki1.txt Notatki2.txt Notatki3.txt; do
    cmp -s "$root/root/miravela/resources/data/$file" "$root/root/Miravela/$file" \
        || failed "~/Miravela/$file was not seeded"
done
kill "$run_pid"
wait "$run_job" 2>/dev/null || true
passed

step "Debian package (README's commands) and apt install" package
in_root bash -c '
    set -e
    cd /root/miravela
    bash -c "source scripts/install-deps.sh && miravela_install_missing"
    cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DMIRAVELA_TESTS=OFF -DMIRAVELA_BENCH=OFF
    cmake --build build/package
    (cd build/package && cpack -G DEB)
    DEBIAN_FRONTEND=noninteractive apt-get install -y ./build/package/miravela_2.0_$(dpkg --print-architecture).deb
    test -x /usr/bin/miravela && test -x /usr/libexec/miravela/miravela
    if grep -q -- --version /usr/bin/miravela; then miravela --version; fi
' >"$step_log" 2>&1 || failed
passed

echo "All checks passed on a fresh minimal Debian 12."
