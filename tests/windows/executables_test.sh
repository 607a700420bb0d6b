#!/usr/bin/env bash
# orrery.exe (console) and orreryw.exe (GUI) import only DLLs that every 64-bit Windows has, and
# carry the program's icon, its version details and the manifest that makes them sharp when
# scaled.
# Usage: executables_test.sh OBJDUMP VERSION BUILD-DIR
set -euo pipefail
objdump="$1"
version="$2"
build="$3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "$exe: $*" >&2; failed=1; }

allowed='^(kernel32|user32|gdi32|shcore|comctl32|opengl32|glu32|winmm|msvcrt|advapi32|shell32|api-ms-win-crt-.*)\.dll$'
for exe in orrery.exe orreryw.exe; do
    path="$build/$exe"
    headers=$("$objdump" -p "$path")
    imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]')
    [ -n "$imports" ] || fail "no imports read"
    unexpected=$(grep -Ev "$allowed" <<<"$imports" || true)
    [ -z "$unexpected" ] || fail "expected only Windows system DLLs; also imports: $(echo $unexpected)"
    # orrery.exe writes to the console it was started from; orreryw.exe opens none.
    expected="(Windows CUI)"
    [ "$exe" = orreryw.exe ] && expected="(Windows GUI)"
    subsystem=$(sed -n 's/^Subsystem[[:space:]]*//p' <<<"$headers")
    [[ "$subsystem" == *"$expected"* ]] || fail "expected subsystem $expected, observed: $subsystem"

    # freeglut gives its window class the icon named GLUT_ICON.
    wrestool -x --type=14 --name=GLUT_ICON "$path" >"$work/icon.ico" || fail "no icon GLUT_ICON"
    sizes=$(icotool -l "$work/icon.ico" | sed -n 's/.*--width=\([0-9]*\) --height=\1 .*/\1/p' |
        sort -n | tr '\n' ' ')
    [ "$sizes" = "16 24 32 48 256 " ] || fail "icon sizes '$sizes', expected '16 24 32 48 256 '"
    details=$(wrestool -x --raw --type=16 "$path" | strings -el | tr '\n' '|')
    for field in "FileVersion|$version" "ProductVersion|$version" "ProductName|Orrery" \
        "LegalCopyright|Copyright (c) 2026 The Orrery authors" "OriginalFilename|$exe"; do
        [[ "$details" == *"|$field|"* ]] || fail "version details lack $field: $details"
    done
    manifest=$(wrestool -x --raw --type=24 --name=1 "$path" | tr -d '\n')
    for part in '<dpiAwareness[^>]*>PerMonitorV2</dpiAwareness>' \
        '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' \
        'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'; do
        grep -q "$part" <<<"$manifest" || fail "manifest lacks $part"
    done
done
exit "$failed"
