# Shared by scripts/build-windows and scripts/test: the Windows cross-build, its freeglut, its
# packages and its tests under wine. Source after common.sh.

WINDOWS_BUILD="$ORRERY_ROOT/build-windows"
WINDOWS_TOOLCHAIN="$ORRERY_ROOT/cmake/toolchain-mingw-w64-x86_64.cmake"
FREEGLUT_PREFIX="$WINDOWS_BUILD/freeglut"
# The cross-compiler, the installer compiler, ImageMagick (which makes the program's icon),
# dpkg-source (which verifies and unpacks the source package), what unpacking Debian's freeglut
# source needs and what makes the zip reproducible.
WINDOWS_PACKAGES=(cmake g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis imagemagick
                  dpkg-dev xz-utils strip-nondeterminism)
# The Windows tests: the programs and their installer under 64-bit wine on a private Xvfb, driven
# by a native test program; fonts-nanum has the Hangul the menu's label needs, icoutils reads the
# executables' resources.
WINDOWS_TEST_PACKAGES=(wine wine64 xvfb fonts-nanum build-essential libx11-dev libxtst-dev
                       libgtest-dev icoutils)

# write_source_lists DIR: deb-src entries for every deb entry of the system's own apt sources,
# with their URIs, suites, components and keys as the system has them, in DIR. The system's
# configuration is only read.
write_source_lists() {
    local dir="$1" list parts file
    mkdir -p "$dir"
    rm -f "$dir"/*.sources "$dir"/*.list
    eval "$(apt-config shell list Dir::Etc::sourcelist/f parts Dir::Etc::sourceparts/d)"
    # One-line format: "deb [options] URI SUITE COMPONENT..." becomes "deb-src ...".
    for file in "$list" "$parts"/*.list; do
        [ -f "$file" ] || continue
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file"
    done >"$dir/system-deb-src.list"
    # deb822: each enabled stanza whose Types include deb, with Types: deb-src and the rest as is
    # (continuation lines such as an inline Signed-By key included).
    for file in "$parts"/*.sources; do
        [ -f "$file" ] || continue
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             {
                 n = split($0, lines, "\n"); binary = 0; enabled = 1; out = ""
                 for (i = 1; i <= n; i++) {
                     line = lines[i]
                     if (line ~ /^Types:/) {
                         m = split(substr(line, 7), types, /[ \t]+/)
                         for (j = 1; j <= m; j++) if (types[j] == "deb") binary = 1
                         line = "Types: deb-src"
                     } else if (tolower(line) ~ /^enabled:[ \t]*no/) {
                         enabled = 0
                     }
                     out = out line "\n"
                 }
                 if (binary && enabled) printf "%s\n", out
             }' "$file"
    done >"$dir/system-deb-src.sources"
    if [ ! -s "$dir/system-deb-src.list" ] && [ ! -s "$dir/system-deb-src.sources" ]; then
        echo "No deb entries in the system's apt sources to take deb-src entries from" >&2
        return 1
    fi
}

# private_apt_get ARGS...: apt-get with the deb-src lists of write_source_lists and an index and
# cache of its own under build-windows/apt/, so the system's lists and caches stay as they were.
private_apt_get() {
    local apt="$WINDOWS_BUILD/apt"
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
    apt-get -q -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/sources.list.d" \
        -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" "$@"
}

# fetch_freeglut_source: Debian's freeglut source package, unpacked by dpkg-source with Debian's
# patches applied, in build-windows/freeglut-source/; prints the unpacked folder. apt checks each
# file against the Sources index that the archive's key signs, and dpkg-source checks the tarballs
# against the .dsc; any mismatch stops the build.
fetch_freeglut_source() {
    local work="$WINDOWS_BUILD/freeglut-source" tree
    tree=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'freeglut-*' 2>/dev/null -print -quit)
    if [ -n "$tree" ]; then
        echo "$tree"
        return 0
    fi
    write_source_lists "$WINDOWS_BUILD/apt/sources.list.d" || return 1
    run_logged "$WINDOWS_BUILD/freeglut-update.log" private_apt_get update || return 1
    mkdir -p "$work"
    # apt hands downloads to its unprivileged sandbox user, which cannot write to this folder as
    # root made it; the files are checked against the signed Sources index either way.
    local sandbox=()
    [ "$(id -u)" -eq 0 ] && sandbox=(-o APT::Sandbox::User=root)
    (cd "$work" && run_logged "$WINDOWS_BUILD/freeglut-fetch.log" \
        private_apt_get "${sandbox[@]}" source freeglut) || return 1
    tree=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'freeglut-*' -print -quit)
    [ -n "$tree" ] || { echo "apt-get source freeglut unpacked nothing in $work" >&2; return 1; }
    echo "$tree"
}

# run_logged LOG COMMAND...: runs COMMAND with its output in LOG, shown only when it fails.
run_logged() {
    local log="$1"
    shift
    if ! "$@" >"$log" 2>&1; then
        cat "$log" >&2
        echo "Failed: $* (log: $log)" >&2
        return 1
    fi
}

# build_freeglut: freeglut for Windows, static only, installed into build-windows/freeglut/.
# Does nothing when the library is already there.
build_freeglut() {
    [ -f "$FREEGLUT_PREFIX/lib/libfreeglut_static.a" ] && return 0
    echo "freeglut for Windows: Debian's source package, built static into $FREEGLUT_PREFIX"
    local source
    source=$(fetch_freeglut_source) || return 1
    # Static only, so orrery.exe carries it; no demos, desktop GL (not GLES), its own name.
    run_logged "$WINDOWS_BUILD/freeglut-configure.log" \
        cmake -S "$source" -B "$WINDOWS_BUILD/freeglut-build" \
        -DCMAKE_TOOLCHAIN_FILE="$WINDOWS_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$FREEGLUT_PREFIX" -DFREEGLUT_BUILD_SHARED_LIBS=OFF \
        -DFREEGLUT_BUILD_STATIC_LIBS=ON -DFREEGLUT_BUILD_DEMOS=OFF -DFREEGLUT_GLES=OFF \
        -DFREEGLUT_REPLACE_GLUT=OFF -DINSTALL_PDB=OFF || return 1
    run_logged "$WINDOWS_BUILD/freeglut-build.log" \
        cmake --build "$WINDOWS_BUILD/freeglut-build" -j "$(windows_jobs)" --target install
}

# At most two compile jobs: the machines this runs on are small and shared.
windows_jobs() {
    local n
    n=$(nproc)
    echo $((n < 2 ? n : 2))
}

# The packages' names, from the version CMake configured.
windows_package_base() {
    local version
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$WINDOWS_BUILD/CMakeCache.txt")
    echo "$WINDOWS_BUILD/Orrery-$version-win64"
}

# build_windows: freeglut, then orrery.exe and orreryw.exe in build-windows/ (Release) and their
# installer and zip.
build_windows() {
    build_freeglut || return 1
    echo "Cross-building orrery.exe and orreryw.exe in $WINDOWS_BUILD"
    (cd "$ORRERY_ROOT" &&
        run_logged "$WINDOWS_BUILD/configure.log" cmake --preset windows &&
        run_logged "$WINDOWS_BUILD/build.log" cmake --build --preset windows -j "$(windows_jobs)" &&
        echo "Packing the installer (NSIS) and the zip" &&
        run_logged "$WINDOWS_BUILD/cpack.log" cpack --preset windows)
}

# run_windows_tests: the windows test preset: builds the native test programs of tests/windows/
# in build-windows/tests/ and runs them; they make a fresh wine prefix in
# build-windows/wine-prefix/ first.
run_windows_tests() {
    (cd "$ORRERY_ROOT" && ctest --preset windows)
}
