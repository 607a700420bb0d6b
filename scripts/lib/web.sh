# Shared by scripts/build-web and scripts/test: the browser build and its tests in real browsers.
# Source after common.sh.

WEB_BUILD="$ORRERY_ROOT/build-web"
# Debian's Emscripten, and node-acorn, which its optimiser loads; the machine's node may be one
# that does not search Debian's module folder, so NODE_PATH names it below.
WEB_PACKAGES=(emscripten node-acorn cmake)
# The browsers the page is tested in and a Korean font for the menu: WebKit is WebKitGTK's
# MiniBrowser (in libwebkit2gtk-4.1-0, which the driver depends on) under its WebDriver, on a
# private Xvfb. npm for the test driver comes with the machine's Node.js, or else from Debian.
WEB_TEST_PACKAGES=(chromium firefox-esr webkit2gtk-driver xvfb fonts-nanum)
command -v npm >/dev/null 2>&1 || WEB_TEST_PACKAGES+=(npm)

# build_web: configures build-web/ with Emscripten's CMake toolchain (what emcmake passes, without
# its echo of the command) and builds orrery.html there.
build_web() {
    local acorn
    # grep reads the whole list: one that stopped at its match could end dpkg with SIGPIPE,
    # which pipefail turns into a failed build.
    acorn=$(dpkg -L node-acorn | grep '/acorn/package.json$')
    acorn=${acorn%%$'\n'*}
    export NODE_PATH="${acorn%/acorn/package.json}${NODE_PATH:+:$NODE_PATH}"
    cmake -S "$ORRERY_ROOT" -B "$WEB_BUILD" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake" \
        >/dev/null
    cmake --build "$WEB_BUILD" -j "$(nproc)"
}

# run_web_tests: the page's tests in headless Chromium and Firefox, driven by puppeteer-core, and
# in WebKit, driven through classic WebDriver by the tests' own few HTTP calls; all talk to the
# system's browsers and download none.
run_web_tests() {
    (
        cd "$ORRERY_ROOT/tests/web"
        npm ci --no-audit --no-fund --loglevel=error >/dev/null
        ORRERY_PAGE="$WEB_BUILD/orrery.html" node --test --test-concurrency=1
    )
}
