# The set-up scripts' package check on a machine with a second architecture enabled: dpkg-query
# writes its format once per installed architecture, and only what is truly absent is reported.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"

dpkg() { echo amd64; }
# dpkg-query -W -f=FORMAT PKG, answered from a made-up database of "architecture status" rows.
dpkg-query() {
    local rows row line format="${2#-f=}"
    case "$3" in
        both) rows=('amd64 install ok installed' 'arm64 install ok installed') ;;
        native) rows=('amd64 install ok installed') ;;
        foreign | both:arm64) rows=('arm64 install ok installed') ;;
        indep) rows=('all install ok installed') ;;
        removed) rows=('amd64 deinstall ok config-files') ;;
        *) return 1 ;;
    esac
    for row in "${rows[@]}"; do
        line=${format//'${Architecture}'/${row%% *}}
        printf '%b' "${line//'${Status}'/${row#* }}"
    done
}

expected=$'foreign\nremoved\nabsent\nnative:arm64'
observed=$(missing_packages both native foreign indep removed absent both:arm64 native:arm64)
[ "$observed" = "$expected" ] && exit 0
printf 'expected missing:\n%s\nobserved missing:\n%s\n' "$expected" "$observed" >&2
exit 1
