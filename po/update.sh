#!/bin/bash
# Makes the templates of the translations again from the sources (po/orrery.pot with xgettext, the
# manual page's po/man/orrery.1.pot with po4a) and merges them into each language's .po, which
# then shows what is new or changed as untranslated or fuzzy; LINGUAS and po4a.cfg name the
# languages. With --check it changes nothing and
# fails when a template is out of date or a language lacks a translation or has a fuzzy one.
set -euo pipefail
po="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$po")"

# The program's messages: the arguments of Translated() in src/, in UTF-8. The page has its own
# words (web/orrery.html.in).
make_program_template() {
    (cd "$root" && find src -path src/platform/web -prune -o -name '*.cpp' -print | LC_ALL=C sort |
        xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=Translated \
            --add-comments=TRANSLATORS: --add-location=file --package-name=Orrery \
            --msgid-bugs-address=orrery-maintainers@example.org \
            --sort-by-file --files-from=- -o "$1")
}

# The manual page's paragraphs, in the tree under $1, as po4a.cfg names them; it merges each
# language's .po too.
update_page_translations() {
    (cd "$1" && po4a -q --no-translations po/po4a.cfg)
}

# Templates compared without the date xgettext and po4a stamp them with.
same_template() { diff -q <(grep -v '^"POT-Creation-Date:' "$1") <(grep -v '^"POT-Creation-Date:' "$2") >/dev/null; }

# Fails on a message that has no translation or a fuzzy one.
check_translated() {
    local untranslated
    msgfmt --check -o /dev/null "$1" || return 1
    untranslated=$(msgattrib --untranslated "$1"; msgattrib --only-fuzzy "$1")
    [ -z "$untranslated" ] || { echo "$1: untranslated or fuzzy:"$'\n'"$untranslated" >&2; return 1; }
    msgcmp "$1" "$2" || { echo "$1 lacks messages of $2" >&2; return 1; }
}

if [ "${1:-}" = --check ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    failed=0
    mkdir -p "$work/data"
    cp -r "$po" "$work/po"
    cp "$root/data/orrery.1" "$work/data/"
    make_program_template "$work/po/orrery.pot"
    update_page_translations "$work"
    for template in orrery.pot man/orrery.1.pot; do
        same_template "$po/$template" "$work/po/$template" ||
            { echo "po/$template is out of date: run po/update.sh" >&2; failed=1; }
    done
    while read -r language; do
        check_translated "$po/$language.po" "$po/orrery.pot" || failed=1
        check_translated "$po/man/$language.po" "$po/man/orrery.1.pot" || failed=1
    done <"$po/LINGUAS"
    exit $failed
fi

make_program_template "$po/orrery.pot"
update_page_translations "$root"
while read -r language; do
    msgmerge -q --update --backup=none --no-fuzzy-matching "$po/$language.po" "$po/orrery.pot"
done <"$po/LINGUAS"
