# `cmake --install` into a temporary DESTDIR: every file in its place, nothing else (no tests,
# benchmarks or tools), and the installed program answers --version and --help.
# Arguments: BUILD-DIR VERSION CMAKE CPACK
set -euo pipefail
build="$1" version="$2" cmake="$3"
source "$(dirname "$0")/installed_tree.sh"
destdir=$(mktemp -d)
trap 'rm -rf "$destdir"' EXIT

DESTDIR="$destdir" "$cmake" --install "$build" --prefix /usr >/dev/null
check_installed_tree "$destdir" "$version"
exit $((failures > 0))
