#!/usr/bin/env bash
# Shows that the catalogue check reaches every folder: a copy of the sources with a new text in a
# new folder under app/ must fail the check until the catalogue has the text.
# Usage: check-new-folder.sh CHECK LUPDATE SOURCE_DIR CATALOGUE
set -euo pipefail

check=$1
lupdate=$2
sources=$3
catalogue=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$sources/app" "$sources/simulation" "$work"
cp "$catalogue" "$work/catalogue.ts"
mkdir -p "$work/app/newpart/deeper"
cat >"$work/app/newpart/deeper/NewPart.cpp" <<'SOURCE'
#include <QCoreApplication>
QString newText() { return QCoreApplication::translate("NewPart", "A text in a new folder"); }
SOURCE
"$check" "$lupdate" "$sources" "$catalogue" >/dev/null || {
    echo "FAIL: the catalogue is not current to begin with" >&2
    exit 1
}
if "$check" "$lupdate" "$work" "$work/catalogue.ts" >/dev/null 2>&1; then
    echo "FAIL: a text in app/newpart/deeper/ went unnoticed by the catalogue check" >&2
    exit 1
fi
echo "A text in a new folder under app/ fails the catalogue check until it is translated"
