# Shared by scripts/run and scripts/test: install missing Debian packages, configure and build.

ORRERY_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Packages every build needs; the menu draws its text with Xft and fontconfig, and its Korean
# label needs a font with Hangul; gettext and po4a make the Korean messages and manual page;
# screen readers reach the window through ATK and its AT-SPI bridge, and the screen reader test
# reads it back with libatspi.
BUILD_PACKAGES=(build-essential cmake pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev
                libgl1-mesa-dri libx11-dev libxrandr-dev libxtst-dev libxdamage-dev libxft-dev
                libfontconfig-dev fonts-nanum libgtest-dev gettext po4a libatk1.0-dev
                libatk-bridge2.0-dev libatspi2.0-dev)

# missing_packages PKG[:ARCH]...: prints those not installed. A bare name means the machine's own
# architecture (or an architecture-independent package); dpkg-query prints a line for each
# architecture a package is installed for, as on machines with i386 or arm64 enabled beside it.
missing_packages() {
    local pkg arch native installed
    native=$(dpkg --print-architecture)
    for pkg in "$@"; do
        arch=$native
        [[ $pkg == *:* ]] && arch=${pkg##*:}
        installed=$(dpkg-query -W -f='${Architecture} ${Status}\n' "$pkg" 2>/dev/null) || true
        grep -qxE "($arch|all) install ok installed" <<<"$installed" || echo "$pkg"
    done
}

# ensure_packages PKG...: installs with apt-get (through sudo when not root) whatever is missing.
ensure_packages() {
    if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
        echo "This system has no apt-get. Install these packages (or your system's equivalents) and run again:" >&2
        echo "  $*" >&2
        exit 1
    fi
    local missing
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0
    echo "Installing: $(echo $missing | tr '\n' ' ')"
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get update -qq
    # shellcheck disable=SC2086
    as_root apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

# as_root COMMAND...: runs COMMAND as root, through sudo when not root already.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Not root and no sudo: run as root: $*" >&2
        exit 1
    fi
}

# build_orrery [PRESET [CMAKE-ARGS...]]: configures the build of CMakePresets.json's PRESET
# (default: Release in build/), with the arguments on top, and builds everything.
build_orrery() {
    local preset="${1:-default}"
    shift || true
    (cd "$ORRERY_ROOT" && cmake --preset "$preset" "$@" >/dev/null &&
        cmake --build --preset "$preset" -j "$(nproc)")
}
