# Two builds of the same sources in different folders, at different times, give the same bytes.
# BUILD's Debian package (packed here) and program, given a Windows build its installer, zip and
# programs (as built there), given a browser build its page, and given an arm64 cross-build its
# Debian package (packed here) and program, are built again in a folder outside any checkout,
# under another umask and time zone, and compared byte for byte. In a git
# checkout that folder is the source archive of the tree as built, made as scripts/release makes
# its own and taking its time from itself, so what a packager builds from a release's archive is
# checked too; in an unpacked archive it is a copy of the tree. The Debian packages are both
# packed with umask 022, as scripts/release and dpkg-buildpackage pack (the staged folders' modes
# follow the umask). A difference names the file and shows the first lines of diffoscope's report
# where diffoscope is installed. No packaged file may name either folder.
# The second Windows build links the first one's static freeglut, whose bytes are therefore the
# same by construction; the folder check below still sees any path it would carry.
# Needs SOURCE_DATE_EPOCH, as both builds had it.
# Arguments: ROOT BUILD [WINDOWS-BUILD [WEB-BUILD [ARM64-BUILD]]]
set -euo pipefail
root="$1" first="$2" windows="${3:-}" web="${4:-}" arm64="${5:-}"
[ -n "${SOURCE_DATE_EPOCH:-}" ] || { echo "FAIL: SOURCE_DATE_EPOCH is not set" >&2; exit 1; }
work="$root/build-rebuild"
outside=$(mktemp -d "${TMPDIR:-/tmp}/orrery-rebuild.XXXXXX")
copy="$outside/orrery"
rm -rf "$work"
mkdir -p "$work/first" "$work/second"
source "$root/scripts/lib/common.sh"
source "$root/scripts/lib/release.sh"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# same FIRST SECOND: the two files' bytes are equal, or the difference is reported.
same() {
    [ -f "$1" ] || { fail "no $1"; return; }
    [ -f "$2" ] || { fail "no $2"; return; }
    cmp -s "$1" "$2" && return
    fail "$(basename "$1") differs between the two builds: $(cmp "$1" "$2" 2>&1 | head -n 1)"
    if command -v diffoscope >/dev/null 2>&1; then
        diffoscope --no-progress --text - "$1" "$2" 2>&1 | head -n 40 >&2 || true
    fi
}

if is_git_checkout; then
    # Every file git tracks or would add, with local changes, at the first build's time; the
    # archive's own scripts, given no time, must find that one.
    source_archive "$(working_tree_commit)" orrery | tar -xz -C "$outside"
    archived=$(unset SOURCE_DATE_EPOCH
               source "$copy/scripts/lib/common.sh" && source "$copy/scripts/lib/release.sh" &&
               source_date_epoch) || true
    if [ "$archived" != "$SOURCE_DATE_EPOCH" ]; then
        echo "FAIL: the unpacked source archive's time is '$archived', the first build's $SOURCE_DATE_EPOCH ($outside)" >&2
        exit 1
    fi
else
    # The tree as it is, without the folders .gitignore names.
    mkdir "$copy"
    tar -c -C "$root" --anchored --exclude='./build*' --exclude=./tour --exclude=./dist \
        --no-anchored --exclude=node_modules . | tar -x -C "$copy"
fi

# The second build: its own folders, its own umask and time zone.
(umask 027
 export TZ=Pacific/Chatham
 cd "$copy"
 cmake --preset default -DBUILD_TESTING=OFF >/dev/null
 cmake --build --preset default -j "$(nproc)" >/dev/null)
umask 022
(cd "$work" && cpack -G DEB --config "$first/CPackConfig.cmake" -B "$work/first" >/dev/null)
(cd "$work" && cpack -G DEB --config "$copy/build/CPackConfig.cmake" -B "$work/second" >/dev/null)
deb=$(cd "$work/first" && ls orrery_*.deb)
same "$work/first/$deb" "$work/second/$deb"
same "$first/orrery" "$copy/build/orrery"
dpkg-deb -x "$work/second/$deb" "$work/unpacked"

if [ -n "$windows" ]; then
    (umask 027
     export TZ=Pacific/Chatham
     cd "$copy"
     cmake --preset windows -DORRERY_FREEGLUT_PREFIX="$windows/freeglut" >/dev/null
     cmake --build --preset windows -j 2 >/dev/null
     cpack --preset windows >/dev/null)
    # The packages and the programs as linked (the packages hold them stripped).
    for file in "$windows"/*.exe "$windows"/Orrery-*-win64.zip; do
        same "$file" "$copy/build-windows/$(basename "$file")"
    done
    unzip -q -d "$work/unpacked" "$copy"/build-windows/Orrery-*-win64.zip
fi

if [ -n "$web" ]; then
    (umask 027
     export TZ=Pacific/Chatham
     source "$copy/scripts/lib/common.sh"
     source "$copy/scripts/lib/web.sh"
     build_web >/dev/null)
    same "$web/orrery.html" "$copy/build-web/orrery.html"
    cp "$copy/build-web/orrery.html" "$work/unpacked/"
fi

if [ -n "$arm64" ]; then
    (umask 027
     export TZ=Pacific/Chatham
     cd "$copy"
     cmake --preset arm64 -DBUILD_TESTING=OFF >/dev/null
     cmake --build --preset arm64 -j 2 >/dev/null)
    mkdir -p "$work/arm64/first" "$work/arm64/second"
    (cd "$work/arm64" && cpack -G DEB --config "$arm64/CPackConfig.cmake" -B first >/dev/null)
    (cd "$work/arm64" && cpack -G DEB --config "$copy/build-arm64/CPackConfig.cmake" -B second \
        >/dev/null)
    deb=$(cd "$work/arm64/first" && ls orrery_*_arm64.deb)
    same "$work/arm64/first/$deb" "$work/arm64/second/$deb"
    same "$arm64/orrery" "$copy/build-arm64/orrery"
    dpkg-deb -x "$work/arm64/second/$deb" "$work/unpacked/arm64"
fi

# What the packages install, the programs included, names neither build folder.
found=$(grep -rlaF -e "$root" -e "$outside" "$work/unpacked" || true)
[ -z "$found" ] || fail "these packaged files name a build folder:"$'\n'"$found"
[ $failures -eq 0 ] && rm -rf "$work" "$outside"
exit $((failures > 0))
