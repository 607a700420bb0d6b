#!/usr/bin/env bash
# orrery.exe imports only DLLs that every 64-bit Windows has: no C++ runtime, winpthreads or
# freeglut DLL has to travel with it.
# Usage: imports_test.sh OBJDUMP EXE
set -euo pipefail
objdump="$1"
exe="$2"

allowed='^(kernel32|user32|gdi32|opengl32|glu32|winmm|msvcrt|advapi32|shell32|api-ms-win-crt-.*)\.dll$'
imports=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$imports" ] || { echo "no imports read from $exe" >&2; exit 1; }
unexpected=$(tr '[:upper:]' '[:lower:]' <<<"$imports" | grep -Ev "$allowed" || true)
echo "imports: $(echo $imports)"
if [ -n "$unexpected" ]; then
    echo "expected only Windows system DLLs; also imports: $(echo $unexpected)" >&2
    exit 1
fi
# A console program, so that its messages reach the console it was started from.
subsystem=$("$objdump" -p "$exe" | sed -n 's/^Subsystem[[:space:]]*//p')
if [[ "$subsystem" != *"(Windows CUI)"* ]]; then
    echo "expected the console subsystem (Windows CUI), observed: $subsystem" >&2
    exit 1
fi
