#!/usr/bin/env bash
# Fails when a translation catalogue is out of date with the sources (lupdate would change it)
# or holds an entry that is unfinished or no longer in the sources.
# Usage: check-catalogue.sh LUPDATE SOURCE_DIR CATALOGUE [-pluralonly]
set -euo pipefail

lupdate=$1
sources=$2
catalogue=$3
# A catalogue of plural forms alone is kept with -pluralonly.
options=("${@:4}")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy="$work/$(basename "$catalogue")"
cp "$catalogue" "$copy"
# The same sources and options as the build's update_translations target: every .cpp and .h
# under app/ and simulation/, in any folder (the table of settings marks its texts in a header).
mapfile -t files < <(find "$sources/app" "$sources/simulation" \( -name '*.cpp' -o -name '*.h' \) |
    LC_ALL=C sort)
"$lupdate" "${files[@]}" -ts "$copy" -no-obsolete -locations none "${options[@]}" >/dev/null
if ! diff -u "$catalogue" "$copy"; then
    echo "FAIL: $catalogue is out of date; run: cmake --build --preset default --target update_translations" >&2
    exit 1
fi
if grep -nE 'type="(unfinished|vanished|obsolete)"' "$catalogue"; then
    echo "FAIL: $catalogue has entries above that need a translation" >&2
    exit 1
fi
echo "$catalogue: $(grep -c '<message' "$catalogue") entries, all translated and current"
