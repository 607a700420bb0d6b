# Shared by scripts/test: static checks over src/ and data/, and the sanitizer build and test run.

CHECK_PACKAGES=(clang-tidy cppcheck desktop-file-utils groff-base)

# Runs a checker; on findings prints them (without clang-tidy's per-file tallies) and fails.
run_quietly() {
    local output
    if ! output=$("$@" 2>&1); then
        grep -v 'warnings generated\.$' <<<"$output" >&2
        return 1
    fi
}

# The includes against docs/architecture.md's layers, its seam table against window_system.h,
# clang-tidy with the repository's .clang-tidy over what this build compiles (the Windows and
# browser sources have no Linux compile commands), then cppcheck over all of src/; any finding
# fails the run.
# cppcheck's useStlAlgorithm is off: the C++17 constexpr lookups cannot call std::find_if.
run_static_checks() {
    echo "Static checks: the layers' includes, the seam's table, clang-tidy and cppcheck over src/"
    "$ORRERY_ROOT/scripts/check-layers" || return 1
    "$ORRERY_ROOT/scripts/check-seam-table" || return 1
    find "$ORRERY_ROOT/src" \( -path "$ORRERY_ROOT/src/platform/win32" -o -path "$ORRERY_ROOT/src/platform/web" \) \
        -prune -o -name '*.cpp' -print0 |
        run_quietly xargs -0 -P "$(nproc)" -n 3 clang-tidy -p "$ORRERY_ROOT/build" --quiet || return 1
    run_quietly cppcheck --std=c++17 --language=c++ --enable=warning,style,performance,portability \
        --suppress=missingIncludeSystem --suppress=useStlAlgorithm --inline-suppr \
        --error-exitcode=1 --quiet -I "$ORRERY_ROOT/src" "$ORRERY_ROOT/src"
}

# The launcher entry, the manual page and the translations. desktop-file-validate's errors and
# warnings fail, its
# hints do not (Education and Science are both main categories: the entry shows under either).
# groff reads the page as man does in a UTF-8 locale, through preconv and the UTF-8 device, which
# has the Hangul glyphs; any warning fails. po/update.sh fails where the translations' templates
# are older than the sources or a language lacks a message or has a fuzzy one.
run_data_checks() {
    echo "Data checks: desktop-file-validate and groff over data/, the translations in po/"
    local output
    output=$(desktop-file-validate "$ORRERY_ROOT/data/orrery.desktop" 2>&1) ||
        { echo "$output" >&2; return 1; }
    output=$(grep -v ': hint: ' <<<"$output" || true)
    [ -z "$output" ] || { echo "$output" >&2; return 1; }
    output=$(groff -ww -k -man -Tutf8 -z "$ORRERY_ROOT/data/orrery.1" 2>&1)
    [ -z "$output" ] || { echo "$output" >&2; return 1; }
    "$ORRERY_ROOT/po/update.sh" --check
}

# Configures build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer and builds everything.
build_sanitized() {
    build_orrery asan
}

# Every test of build-asan/, with the sanitizers' options that the asan test preset sets: any
# report fails the test that caused it, and leak reports of third-party libraries are suppressed
# one by one in sanitizer.supp.
run_sanitized_tests() {
    (cd "$ORRERY_ROOT" && ctest --preset asan -j "$(nproc)")
}
