# Shared by scripts/test and scripts/release: the arm64 (64-bit ARM Linux) cross-build, its Debian
# package and its tests under qemu-aarch64. Source after common.sh and windows.sh (run_logged).

ARM64_BUILD="$ORRERY_ROOT/build-arm64"
# Debian's cross toolchain and the build set's libraries for arm64, installed beside the machine's
# own; dpkg-architecture (dpkg-dev) names the package's architecture, and dpkg-shlibdeps with file
# fills in its Depends from the arm64 libraries.
ARM64_PACKAGES=(crossbuild-essential-arm64 cmake dpkg-dev file pkg-config:arm64
                freeglut3-dev:arm64 libglu1-mesa-dev:arm64 libgl1-mesa-dev:arm64 libx11-dev:arm64
                libxrandr-dev:arm64 libxtst-dev:arm64 libxdamage-dev:arm64 libxft-dev:arm64
                libfontconfig-dev:arm64 libatk1.0-dev:arm64 libatk-bridge2.0-dev:arm64)
# The tests, besides the Linux tests' own packages: the user-mode emulator, arm64 Mesa's software
# renderer, googletest and libatspi (the screen reader test's client) for arm64.
ARM64_TEST_PACKAGES=(qemu-user libgl1-mesa-dri:arm64 libgtest-dev:arm64 libatspi2.0-dev:arm64)
# enable_arm64: lets dpkg install arm64 packages beside the machine's own, a machine-wide setting
# made once. The arm64 packages are then all missing, so ensure_packages runs apt-get update, which
# fetches their lists, before it installs them.
enable_arm64() {
    command -v dpkg >/dev/null 2>&1 || return 0  # ensure_packages says what to install instead
    dpkg --print-foreign-architectures | grep -qx arm64 && return 0
    echo "Letting dpkg install arm64 packages too (dpkg --add-architecture arm64)"
    as_root dpkg --add-architecture arm64
}

# build_arm64: the arm64 preset, the program, its tests and tools for arm64 in build-arm64/, two
# jobs at most, as the Windows build.
build_arm64() {
    mkdir -p "$ARM64_BUILD"
    (cd "$ORRERY_ROOT" &&
        run_logged "$ARM64_BUILD/configure.log" cmake --preset arm64 &&
        run_logged "$ARM64_BUILD/build.log" cmake --build --preset arm64 -j "$(windows_jobs)")
}

# run_arm64_tests: the arm64 test preset, every test program under qemu-aarch64; it names what it
# leaves out under emulation, and why.
run_arm64_tests() {
    (cd "$ORRERY_ROOT" &&
        echo "The arm64 test preset runs $(ctest --list-presets | sed -n 's/^ *"arm64" *- //p')" &&
        ctest --preset arm64 -j "$(windows_jobs)")
}

# release_arm64_deb TREE: the arm64 Debian package of an unpacked tree, built in TREE/build-arm64;
# prints its path.
release_arm64_deb() {
    local tree="$1" log="$RELEASE_BUILD/arm64"
    (cd "$tree" &&
        run_logged "$log-configure.log" cmake --preset arm64 -DBUILD_TESTING=OFF &&
        run_logged "$log-build.log" cmake --build --preset arm64 -j "$(nproc)" &&
        cd build-arm64 && run_logged "$log-cpack.log" cpack -G DEB) || return 1
    ls "$tree"/build-arm64/orrery_*_arm64.deb
}
