#!/usr/bin/env bash
# Installs the build tree into a fresh temporary prefix and checks that the program and its
# desktop files land where desktop environments look, name each other consistently, and pass
# the freedesktop and AppStream validators when those are installed; and that the manual page,
# the copyright file and the changelog land where man and Debian look for them.
# Usage: check-install.sh BUILD_DIR PREFIX APP_ID VERSION LICENSE
set -euo pipefail

build_dir=$1
prefix=$2
app_id=$3
version=$4
license=$5

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

source "$(dirname "$0")/keep-manifest.sh"
keep_manifest "$build_dir"
rm -rf "$prefix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

binary=$prefix/bin/slitwise
desktop=$prefix/share/applications/$app_id.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/$app_id.svg
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
manpage=$prefix/share/man/man1/slitwise.1.gz
copyright=$prefix/share/doc/slitwise/copyright
changelog=$prefix/share/doc/slitwise/changelog.gz
mime=$prefix/share/mime/packages/$app_id.xml

[ -x "$binary" ] || fail "no executable $binary"
for file in "$desktop" "$icon" "$metainfo" "$manpage" "$copyright" "$changelog" "$mime"; do
    [ -s "$file" ] || fail "missing or empty $file"
done

# The installed binary, not the one in the build tree, must run and report this build's version.
reported=$("$binary" --version) || fail "$binary --version exited with an error"
[ "$reported" = "slitwise $version" ] || fail "$binary --version printed '$reported', not 'slitwise $version'"

# The launcher must start the installed binary and show the installed icon, and the metainfo
# must point at the launcher, or menus and software centres show a broken entry.
grep -qx "Exec=slitwise %f" "$desktop" || fail "$desktop does not run slitwise with the file"
# A double click on a setup file opens it: the entry takes the type the MIME package declares.
type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime")
grep -qx "MimeType=$type;" "$desktop" || fail "$desktop does not open $type"
grep -q '<glob pattern="\*.slitwise"/>' "$mime" || fail "$mime does not claim *.slitwise"
[ "$(ls "$prefix"/share/slitwise/lessons/*.slitwise | wc -l)" = 6 ] \
    || fail "the six lessons are not under $prefix/share/slitwise/lessons"
grep -qx "Icon=$app_id" "$desktop" || fail "$desktop does not name the icon $app_id"
grep -q "<id>$app_id</id>" "$metainfo" || fail "$metainfo does not carry the id $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "$metainfo does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "$metainfo does not list release $version"

# man reads the page compressed; its title line names the program and section 1.
gzip -cd "$manpage" | grep -q '^\.TH SLITWISE 1 ' || fail "$manpage is not the slitwise(1) page"
# The newest changelog entry must be this version's, or the package ships a stale history.
gzip -cd "$changelog" | head -n 1 | grep -q "^slitwise ($version) " \
    || fail "$changelog does not begin with an entry for $version"
# The copyright file is machine-readable and carries the licence word for word: the lines of
# LICENSE after its copyright line, indented by one space, with blank lines as " .".
grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" "$copyright" \
    || fail "$copyright is not in the machine-readable format"
diff <(sed '1,/^Copyright/d' "$license" | sed '1{/^$/d}') \
    <(sed '1,/^License: Expat$/d' "$copyright" | sed -e 's/^ //' -e 's/^\.$//') \
    || fail "the licence text in $copyright differs from $license"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejected $desktop"
else
    echo "SKIPPED: desktop-file-validate not installed (Debian package desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejected $metainfo"
else
    echo "SKIPPED: appstreamcli not installed (Debian package appstream)"
fi
if command -v xmllint >/dev/null; then
    xmllint --noout "$icon" || fail "$icon is not well-formed XML"
    xmllint --noout "$mime" || fail "$mime is not well-formed XML"
else
    echo "SKIPPED: xmllint not installed (Debian package libxml2-utils), icon not parsed"
fi
echo "Installed and checked under $prefix"
