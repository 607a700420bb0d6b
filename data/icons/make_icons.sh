#!/usr/bin/env bash
# Remakes the launcher icons from the program's own overview: plays the headless tour of a built
# tree (build/ unless given), crops the middle of its first screenshot (the Sun and the inner
# planets) and scales it to each hicolor size. Run once by hand; the PNGs are committed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../../build}"
tour="$(mktemp -d)"
trap 'rm -rf "$tour"' EXIT

"$build/tools/tour/orrery_tour" "$build/orrery" "$tour" >/dev/null
for size in 48 256; do
    convert "$tour/01-overview.png" -crop 400x400+300+300 +repage -resize "${size}x${size}" \
        -strip "$here/hicolor/${size}x${size}/apps/orrery.png"
done
