# Shared by scripts/test and scripts/release: the arm64 (64-bit ARM Linux) cross-build, its Debian
# package and its tests under qemu-aarch64. Source after common.sh and windows.sh (run_logged).

ARM64_BUILD="$ORRERY_ROOT/build-arm64"
# Debian's cross toolchain and the build set's libraries for arm64, installed beside the machine's
# own; dpkg-architecture (dpkg-dev) names the package's architecture, and dpkg-shlibdeps with file
# fills in its Depends from the arm64 libraries.
ARM64_PACKAGES=(crossbuild-essential-arm64 cmake dpkg-dev file pkg-config:arm64
                freeglut3-dev:arm64 libglu1-mesa-dev:arm64 libgl1-mesa-dev:arm64 libx11-dev:arm64
                libxrandr-dev:arm64 libxtst-dev:arm64 libxdamage-dev:arm64 libxft-dev:arm64
                libfontconfig-dev:arm64)
# The tests, besides the Linux tests' own packages: the user-mode emulator, arm64 Mesa's software
# renderer and googletest for arm64.
ARM64_TEST_PACKAGES=(qemu-user libgl1-mesa-dri:arm64 libgtest-dev:arm64)
# Tests left out under emulation, each with the reason scripts/test prints.
ARM64_LEFT_OUT=(
    "Startup.ThousandsOfRandomCommandLinesEndOnlyAsTheProgramSays|its 3000 starts of the program,\
 each paying for qemu's start-up and translation, take 500 s of its 600 s limit on a quiet\
 machine and overrun it under load; the amd64 run covers the same code"
)

# enable_arm64: lets dpkg install arm64 packages beside the machine's own, a machine-wide setting
# made once. The arm64 packages are then all missing, so ensure_packages runs apt-get update, which
# fetches their lists, before it installs them.
enable_arm64() {
    command -v dpkg >/dev/null 2>&1 || return 0  # ensure_packages says what to install instead
    dpkg --print-foreign-architectures | grep -qx arm64 && return 0
    echo "Letting dpkg install arm64 packages too (dpkg --add-architecture arm64)"
    as_root dpkg --add-architecture arm64
}

# configure_arm64 TREE DIR [CMAKE-ARGS...]: a Release cross-build of TREE in DIR, with TREE's own
# toolchain file.
configure_arm64() {
    local tree="$1" dir="$2"
    shift 2
    cmake -S "$tree" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$tree/cmake/toolchain-aarch64-linux-gnu.cmake" "$@"
}

# build_arm64: the program, its tests and tools for arm64 in build-arm64/, two jobs at most, as
# the Windows build.
build_arm64() {
    mkdir -p "$ARM64_BUILD"
    run_logged "$ARM64_BUILD/configure.log" configure_arm64 "$ORRERY_ROOT" "$ARM64_BUILD" ||
        return 1
    run_logged "$ARM64_BUILD/build.log" cmake --build "$ARM64_BUILD" -j "$(windows_jobs)"
}

# run_arm64_tests: build-arm64/'s tests, every program of them under qemu-aarch64, but those of
# ARM64_LEFT_OUT, which it names with their reasons.
run_arm64_tests() {
    local entry pattern=""
    for entry in "${ARM64_LEFT_OUT[@]}"; do
        echo "Left out under emulation: ${entry%%|*}: ${entry#*|}"
        pattern+="${pattern:+|}^${entry%%|*}\$"
    done
    (cd "$ARM64_BUILD" && ctest --output-on-failure -j "$(windows_jobs)" -E "$pattern")
}

# release_arm64_deb TREE: the arm64 Debian package of an unpacked tree, built in TREE/build-arm64;
# prints its path.
release_arm64_deb() {
    local tree="$1" log="$RELEASE_BUILD/arm64"
    run_logged "$log-configure.log" configure_arm64 "$tree" "$tree/build-arm64" -DBUILD_TESTING=OFF ||
        return 1
    run_logged "$log-build.log" cmake --build "$tree/build-arm64" -j "$(nproc)" || return 1
    (cd "$tree/build-arm64" && run_logged "$log-cpack.log" cpack -G DEB) || return 1
    ls "$tree"/build-arm64/orrery_*_arm64.deb
}
