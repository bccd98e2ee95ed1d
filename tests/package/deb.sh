#!/bin/sh
# Builds the Debian package in a Release tree of its own, unpacks it into a
# scratch root with dpkg -x and checks what it installs: the program, the
# launcher, the menu entry, the icons, the default data, and that the launcher
# seeds a fresh data folder, leaves an existing one alone and answers its options.
#   deb.sh SOURCE_DIR BUILD_DIR CXX_COMPILER
set -eu
source_dir=$1
build_dir=$2
compiler=$3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
command -v dpkg-deb >/dev/null || {
    echo "SKIP: dpkg-deb is not installed"
    exit 77
}

# The build tree is kept between runs, so that only changes are rebuilt.
compiler_launcher=
command -v ccache >/dev/null && compiler_launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER="$compiler" $compiler_launcher \
    -DMIRAVELA_TESTS=OFF -DMIRAVELA_BENCH=OFF >/dev/null
cmake --build "$build_dir"
rm -f "$build_dir"/miravela_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)

deb=$build_dir/miravela_2.0_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb"
depends=$(dpkg-deb -f "$deb" Depends)
for package in qt6-translations-l10n fonts-liberation2 libqt6widgets6 libqt6printsupport6 \
    libqt6network6 libc6; do
    case "$depends" in *"$package"*) ;; *) fail "Depends lacks $package: $depends" ;; esac
done

if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" || fail "lintian finds errors"
else
    echo "lintian is not installed: the package is not linted"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg-deb -x "$deb" "$root"

binary=$root/usr/libexec/miravela/miravela
[ "$(head -c 4 "$binary" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "no program at $binary"
[ -x "$root/usr/bin/miravela" ] || fail "no launcher"
for file in usr/share/doc/miravela/copyright usr/share/man/man1/miravela.1.gz; do
    [ -s "$root/$file" ] || fail "no $file"
done
defaults=$root/usr/share/miravela/default-data
for file in Daty.txt Notatki1.txt Notatki2.txt Notatki3.txt; do
    cmp "$source_dir/resources/data/$file" "$defaults/$file" || fail "default $file"
done
for size in 16 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/miravela.png
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    [ "$(od -An -tu4 --endian=big -j16 -N8 "$icon" | tr -s ' ')" = " $size $size" ] \
        || fail "icon $icon is not $size pixels square"
done
# The menu entry and the software centre's metadata carry the program's id.
id=example.miravela.Miravela
entry=$root/usr/share/applications/$id.desktop
desktop-file-validate "$entry" || fail "desktop entry does not validate"
grep -qx 'Exec=miravela' "$entry" && grep -qx 'Icon=miravela' "$entry" || fail "Exec or Icon"
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$scratch/validate" 2>&1 \
    || fail "metadata does not validate: $(cat "$scratch/validate")"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    && grep -q '<binary>miravela</binary>' "$metainfo" || fail "metadata names no launchable or binary"

# The options, answered by the real program without a display (env -i): the
# usage or the version with status 0, any other option or a second folder
# refused in one line with status 2, and nothing created either way.
home=$scratch/home
launch() {
    (cd "$scratch" && env -i HOME="$home" PATH="$root/usr/bin:/usr/bin:/bin" miravela "$@") \
        >"$scratch/out" 2>"$scratch/err"
}
refused() {
    status=0
    launch "$@" || status=$?
    [ "$status" = 2 ] && [ ! -s "$scratch/out" ] && [ "$(wc -l <"$scratch/err")" = 1 ] \
        || fail "$*: status $status, $(cat "$scratch/out" "$scratch/err")"
}
launch --help || fail "--help exits $?"
grep -q '^Użycie: miravela \[FOLDER\]' "$scratch/out" && grep -q -- '--version' "$scratch/out" \
    || fail "--help prints: $(cat "$scratch/out")"
launch dane --version && [ "$(cat "$scratch/out")" = "miravela 2.0" ] || fail "--version"
launch a b --help && grep -q '^Użycie' "$scratch/out" || fail "--help after two folders"
refused --bogus --help
refused -h
refused -
refused a -- b
# A folder that cannot be entered: the program's own line, status 1.
touch "$scratch/plik"
status=0
launch plik || status=$?
[ "$status" = 1 ] && [ "$(cat "$scratch/err")" = "miravela: nie można otworzyć folderu „plik”: Not a directory" ] \
    || fail "a file as the folder: status $status, $(cat "$scratch/err")"
[ ! -e "$home" ] && [ ! -e "$scratch/dane" ] && [ ! -e "$scratch/a" ] \
    || fail "an option created a folder"
# Under an English locale (or any other but Polish) the program speaks English,
# from the translation the package installs; the launcher's C session is Polish.
[ -s "$root/usr/share/miravela/translations/miravela_en.qm" ] || fail "no English translation"
for locale in en_US.UTF-8 de_DE.UTF-8; do
    (cd "$scratch" && env -i HOME="$home" PATH="$root/usr/bin:/usr/bin:/bin" LANG=$locale \
        miravela --help) >"$scratch/out" 2>&1 || fail "--help under $locale exits $?"
    grep -q '^Usage: miravela \[FOLDER\]' "$scratch/out" \
        || fail "--help under $locale prints: $(cat "$scratch/out")"
done

# The program is replaced by a stand-in that writes down where and how it was started.
started=$scratch/started
printf '#!/bin/sh\npwd > "%s"; echo "${LANG-}" >> "%s"\n' "$started" "$started" > "$binary"

# Started from the menu: by name, in a session without a locale.
env -i HOME="$home" PATH="$root/usr/bin:/usr/bin:/bin" miravela
printf '%s\npl_PL.UTF-8\n' "$home/Miravela" | cmp - "$started" || fail "fresh start: $(cat "$started")"
for file in Daty.txt Notatki1.txt Notatki2.txt Notatki3.txt; do
    cmp "$defaults/$file" "$home/Miravela/$file" || fail "seeded $file"
    [ "$(stat -c %a "$home/Miravela/$file")" = 600 ] || fail "seeded $file is not private"
done
[ "$(stat -c %a "$home/Miravela")" = 700 ] || fail "the data folder is not private"

# An existing folder keeps its files; only a missing one comes back. A dangling
# link is left as it is, not written through.
data=$home/Miravela
printf '27-03-01 36,6 02\r\n' | cat - "$defaults/Daty.txt" > "$data/Daty.txt"
echo "moja notatka" > "$data/Notatki1.txt"
rm "$data/Notatki2.txt" "$data/Notatki3.txt"
ln -s "$scratch/nowhere" "$data/Notatki3.txt"
cp -p "$data/Daty.txt" "$data/Notatki1.txt" "$scratch"
env -i HOME="$home" PATH=/usr/bin:/bin LANG=de_DE.UTF-8 "$root/usr/bin/miravela"
printf '%s\nde_DE.UTF-8\n' "$data" | cmp - "$started" || fail "second start: $(cat "$started")"
cmp "$scratch/Daty.txt" "$data/Daty.txt" && cmp "$scratch/Notatki1.txt" "$data/Notatki1.txt" \
    || fail "an existing file was changed"
cmp "$defaults/Notatki2.txt" "$data/Notatki2.txt" || fail "missing Notatki2.txt not seeded"
[ -L "$data/Notatki3.txt" ] && [ ! -e "$scratch/nowhere" ] || fail "dangling link written through"

# Another folder, given as the argument, with a space in its name.
other="$scratch/inny folder"
env -i HOME="$home" PATH=/usr/bin:/bin "$root/usr/bin/miravela" "$other"
[ "$(head -n 1 "$started")" = "$other" ] && cmp "$defaults/Daty.txt" "$other/Daty.txt" \
    || fail "folder argument"
# A folder whose name begins with "-", after "--" or as a path.
(cd "$scratch" && env -i HOME="$home" PATH=/usr/bin:/bin "$root/usr/bin/miravela" -- -dane)
[ "$(head -n 1 "$started")" = "$scratch/-dane" ] && [ -f "$scratch/-dane/Daty.txt" ] \
    || fail "folder after --: $(cat "$started")"
(cd "$scratch" && env -i HOME="$home" PATH=/usr/bin:/bin "$root/usr/bin/miravela" ./-inne)
[ "$(head -n 1 "$started")" = "$scratch/-inne" ] || fail "folder ./-inne"
# A relative folder is the one in the current folder, whatever CDPATH names.
mkdir -p "$scratch/elsewhere/dane"
(cd "$scratch" && env -i HOME="$home" PATH=/usr/bin:/bin CDPATH="$scratch/elsewhere" \
    "$root/usr/bin/miravela" dane) >"$scratch/out"
[ "$(head -n 1 "$started")" = "$scratch/dane" ] && [ ! -s "$scratch/out" ] \
    || fail "folder dane with CDPATH: $(cat "$started" "$scratch/out")"
echo "package and launcher are sound"
