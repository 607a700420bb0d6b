#!/usr/bin/env bash
# Makes the Windows tests' wine prefix ($WINEPREFIX) afresh, set up as the tests need it.
# Usage: make_wine_prefix.sh WINE WINESERVER
set -euo pipefail
wine="$1"
wineserver="$2"
: "${WINEPREFIX:?WINEPREFIX names the prefix to make}"

"$wineserver" -k 2>/dev/null || true  # a session of an earlier run in the same prefix
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
log="$WINEPREFIX.log"
# No display: nothing to show. Without mscoree and mshtml wineboot offers no Mono or Gecko
# download; without winemenubuilder it writes no launcher entries into the user's desktop.
if ! env -u DISPLAY WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
    "$wine" wineboot --init >"$log" 2>&1; then
    cat "$log" >&2
    echo "wineboot --init failed for $WINEPREFIX" >&2
    exit 1
fi

reg() { env -u DISPLAY "$wine" reg "$@" >>"$log" 2>&1; }
# The installer's Start-menu shortcuts would otherwise become launcher entries in the user's
# desktop too.
reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /t REG_SZ /d '' /f
# Wine's menu font has no Hangul; real Windows links its UI font to a Korean one. Here Tahoma is
# linked to NanumGothic, which wine finds among the system's fonts (through fontconfig) by its
# file name, so the file need not be copied into the prefix.
link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
reg add "$link" /v Tahoma /t REG_MULTI_SZ /d 'NanumGothic.ttf,NanumGothic' /f
linked=$(env -u DISPLAY "$wine" reg query "$link" /v Tahoma 2>/dev/null || true)
if ! grep -qF 'NanumGothic.ttf,NanumGothic' <<<"$linked"; then
    cat "$log" >&2
    echo "the font link of Tahoma to NanumGothic did not reach the registry" >&2
    exit 1
fi
"$wineserver" -w  # the registry is written out when the session ends
echo "wine prefix ready: $WINEPREFIX ($(du -sh "$WINEPREFIX" | cut -f1))"
