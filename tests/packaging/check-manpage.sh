#!/usr/bin/env bash
# Renders the manual page with every warning turned on, as man and lintian do, and checks that
# its NAME line reads as a whatis entry and that every option the program's --help prints has
# its own entry (a .B or .BI line of its own) in the page.
# Usage: check-manpage.sh PAGE BINARY
# Exits 77 (skipped) where groff or man-db is not installed.
set -euo pipefail

page=$1
binary=$2

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in groff:groff-base man:man-db lexgrog:man-db; do
    if ! command -v "${tool%%:*}" >/dev/null; then
        echo "SKIPPED: ${tool%%:*} not installed (Debian package ${tool#*:})"
        exit 77
    fi
done

warnings=$(groff -ww -z -man "$page" 2>&1)
[ -z "$warnings" ] || fail "groff warns about $page: $warnings"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man warns about $page: $warnings"

whatis=$(lexgrog "$page") || fail "lexgrog finds no NAME line in $page"
grep -q ': "slitwise - .' <<<"$whatis" || fail "lexgrog reads the NAME line as $whatis"

options=$("$binary" --help | grep -Eo -- '--[a-z]+(-[a-z]+)*' | sort -u)
[ -n "$options" ] || fail "$binary --help printed no options"
for option in $options; do
    name=${option#--}
    name=${name//-/\\\\-}
    grep -Eq -- "^\\.B[IR]? (.* )?\\\\-\\\\-${name}( |\"|$)" "$page" || fail "$page has no entry for $option"
done
echo "Rendered $page with no warnings; it documents" $options
