# `cpack -G DEB`: the package holds the installed tree and Debian's copyright file and changelog,
# its program runs from there, its control fields are filled in, Depends names the package of
# every shared library the program links (GLUT, GL, Xft once linked, ...) and the menu's font
# package, and lintian finds no error and no warning in it.
# Arguments: BUILD-DIR VERSION CMAKE CPACK
set -euo pipefail
build="$1" version="$2" cpack="$4"
source "$(dirname "$0")/installed_tree.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
debs=("$work"/out/orrery_"$version"_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no orrery_${version}_*.deb" >&2; exit 1; }
deb="${debs[0]}"
dpkg-deb -x "$deb" "$work/root"
doc="$work/root/usr/share/doc/orrery"
check_installed_tree "$work/root" "$version" usr/share/doc/orrery/{copyright,changelog.gz}

# The copyright file carries LICENSE: its holders and, indentation and " ." lines undone, its terms.
licence="$(dirname "$0")/../../LICENSE"
holders=$(sed -n 's/^Copyright (c) //p' "$licence")
grep -qxF "Copyright: $holders" "$doc/copyright" || fail "copyright does not name '$holders'"
[ "$(sed '1,/^License: Expat$/d; s/^ //; s/^\.$//' "$doc/copyright")" = \
  "$(sed -n '/^Permission/,$p' "$licence")" ] || fail "copyright's terms differ from LICENSE's"
# A version raised needs a changelog entry of its own.
logged=$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version) ||
    fail "changelog.gz is no Debian changelog"
[ "$logged" = "$version" ] || fail "changelog's latest entry is $logged, not $version"

[ "$(dpkg-deb -f "$deb" Package)" = orrery ] || fail "Package is not orrery"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version is not $version"
maintainer=$(dpkg-deb -f "$deb" Maintainer)
[[ "$maintainer" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer '$maintainer' is not 'Name <address>'"
description=$(dpkg-deb -f "$deb" Description)
[ "$(wc -l <<<"$description")" -ge 2 ] || fail "Description has no long text: '$description'"

# Package names alone, alternatives included: "libc6 (>= 2.34), libglut3.12 | x" -> libc6 libglut3.12 x
depends=$(dpkg-deb -f "$deb" Depends)
depended=" $(sed -E 's/\([^)]*\)//g; s/[,|]/ /g' <<<"$depends" | xargs) "
[[ "$depended" == *" fonts-nanum "* ]] || fail "Depends lacks fonts-nanum: $depends"

needed=$(readelf -d "$work/root/usr/bin/orrery" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
grep -q '^libglut\.so' <<<"$needed" || fail "the program links no GLUT: $needed"
grep -Eq '^lib(OpenGL|GL)\.so' <<<"$needed" || fail "the program links no GL: $needed"
for library in $needed; do
    # dpkg -S lines read "pkg:arch, pkg2:arch: /path".
    owners=$(dpkg -S "*/$library" 2>/dev/null | grep -v '^diversion' | sed 's/: .*//' |
        tr ',' '\n' | sed 's/^ *//; s/:.*//' | sort -u) ||
        { fail "no installed package holds $library"; continue; }
    found=0
    for owner in $owners; do [[ "$depended" == *" $owner "* ]] && found=1; done
    [ $found -eq 1 ] || fail "Depends names none of $(echo $owners) (for $library): $depends"
done

# Errors and warnings fail; informational tags may stay.
if ! report=$(lintian --fail-on error,warning "$deb" 2>&1); then
    fail "lintian:"$'\n'"$(grep -E '^[EW]: ' <<<"$report" || echo "$report")"
fi
exit $((failures > 0))
