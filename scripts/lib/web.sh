# Shared by scripts/build-web and scripts/test: the browser build and its tests in real browsers.
# Source after common.sh.

WEB_BUILD="$ORRERY_ROOT/build-web"
# Debian's Emscripten, and node-acorn, which its optimiser loads; the machine's node may be one
# that does not search Debian's module folder, so the web preset names it in NODE_PATH.
WEB_PACKAGES=(emscripten node-acorn cmake)
# The browsers the page is tested in and a Korean font for the menu: WebKit is WebKitGTK's
# MiniBrowser (in libwebkit2gtk-4.1-0, which the driver depends on) under its WebDriver, on a
# private Xvfb. npm for the test driver comes with the machine's Node.js, or else from Debian.
WEB_TEST_PACKAGES=(chromium firefox-esr webkit2gtk-driver xvfb fonts-nanum)
command -v npm >/dev/null 2>&1 || WEB_TEST_PACKAGES+=(npm)

# build_web: configures build-web/ with Emscripten's CMake toolchain (the web preset) and builds
# orrery.html there.
build_web() {
    build_orrery web
}

# run_web_tests: the page's tests in headless Chromium and Firefox, driven by puppeteer-core, and
# in WebKit, driven through classic WebDriver by the tests' own few HTTP calls; all talk to the
# system's browsers and download none.
run_web_tests() {
    (
        cd "$ORRERY_ROOT/tests/web"
        npm ci --no-audit --no-fund --loglevel=error >/dev/null
        cd "$ORRERY_ROOT" && ctest --preset web
    )
}
