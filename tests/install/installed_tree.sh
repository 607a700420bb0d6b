# Shared by the install and package tests: what an installed tree must hold, and its program's
# answers to --version and --help.

EXPECTED_FILES=(
    usr/bin/orrery
    usr/share/applications/orrery.desktop
    usr/share/icons/hicolor/48x48/apps/orrery.png
    usr/share/icons/hicolor/256x256/apps/orrery.png
    usr/share/man/man1/orrery.1.gz
    usr/share/man/ko/man1/orrery.1.gz
    usr/share/locale/ko/LC_MESSAGES/orrery.mo
)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# check_installed_tree ROOT VERSION [FILE...]: exactly the expected files and the FILEs under ROOT,
# installed with the prefix /usr, the program there prints its version and its usage (run by
# ORRERY_EMULATOR, with its arguments, when that is set: a cross-build's emulator), in Korean from
# the installed catalogue where the locale asks for it, and the Korean manual page is Korean.
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
    out=$(env -u DISPLAY LANGUAGE=ko LC_ALL=C.UTF-8 "${run[@]}" --help) || fail "--help in Korean: $?"
    for shown in "사용법: orrery" "-display DISPLAY" "조작:" "행성하나씩 보기" "화살표 키"; do
        grep -qF -- "$shown" <<<"$out" || fail "Korean --help does not show '$shown':"$'\n'"$out"
    done
    zcat "$root/usr/share/man/ko/man1/orrery.1.gz" | grep -qF '.SH 사용법' ||
        fail "the Korean manual page has no section 사용법"
}
