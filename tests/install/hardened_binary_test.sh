# The program is built with Debian's hardening: hardening-check must find each feature the build
# asks for. Stack clash probes and CET are left out: whether they show depends on the size of the
# program's stack frames and on the C library's start-up files, not on the build's flags.
# Arguments: PROGRAM
set -euo pipefail
program="$1"

# It exits non-zero for the features left out too; its lines are what counts.
report=$(hardening-check "$program" 2>&1) || true
missing=""
for feature in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
               "Read-only relocations" "Immediate binding"; do
    grep -q "^ $feature: yes" <<<"$report" || missing+="$feature, "
done
[ -z "$missing" ] || { echo "FAIL: not hardened: ${missing%, }"$'\n'"$report" >&2; exit 1; }
