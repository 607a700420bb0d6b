# Shared by the install and package tests: what an installed tree must hold, and its program's
# answers to --version and --help.

EXPECTED_FILES=(
    usr/bin/orrery
    usr/share/applications/orrery.desktop
    usr/share/icons/hicolor/48x48/apps/orrery.png
    usr/share/icons/hicolor/256x256/apps/orrery.png
    usr/share/man/man1/orrery.1.gz
)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# check_installed_tree ROOT VERSION [FILE...]: exactly the expected files and the FILEs under ROOT,
# installed with the prefix /usr, and the program there prints its version and its usage (run by
# ORRERY_EMULATOR, with its arguments, when that is set: a cross-build's emulator).
check_installed_tree() {
    local root="$1" version="$2" listed out err
    shift 2
    local program="$root/usr/bin/orrery"
    # shellcheck disable=SC2206
    local run=(${ORRERY_EMULATOR:-} "$program")
    listed=$(cd "$root" && find . ! -type d | sed 's|^\./||' | sort)
    [ "$listed" = "$(printf '%s\n' "${EXPECTED_FILES[@]}" "$@" | sort)" ] ||
        fail "installed files differ from the expected ones:"$'\n'"$listed"
    [ -x "$program" ] || { fail "no executable $program"; return; }

    out=$(env -u DISPLAY "${run[@]}" --version 2>&1) || fail "--version: exit status $?"
    [ "$out" = "orrery $version" ] || fail "--version printed '$out', expected 'orrery $version'"

    err=$(mktemp)
    out=$(env -u DISPLAY "${run[@]}" --help 2>"$err") || fail "--help: exit status $?"
    if [ -s "$err" ]; then fail "--help wrote to stderr: $(cat "$err")"; fi
    rm -f "$err"
    local shown
    for shown in "Usage: orrery" "-display DISPLAY" "-geometry WxH+X+Y" "-iconic" "-sync" \
                 "-gldebug" "-indirect" "Controls:" "행성하나씩 보기" "arrow keys"; do
        grep -qF -- "$shown" <<<"$out" || fail "--help does not show '$shown':"$'\n'"$out"
    done
}
