#!/usr/bin/env bash
# Installs the build tree into a fresh temporary prefix and checks that the program and its
# desktop files land where desktop environments look, name each other consistently, and pass
# the freedesktop and AppStream validators when those are installed.
# Usage: check-install.sh BUILD_DIR PREFIX APP_ID VERSION
set -euo pipefail

build_dir=$1
prefix=$2
app_id=$3
version=$4

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$prefix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

binary=$prefix/bin/slitwise
desktop=$prefix/share/applications/$app_id.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/$app_id.svg
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml

[ -x "$binary" ] || fail "no executable $binary"
for file in "$desktop" "$icon" "$metainfo"; do
    [ -s "$file" ] || fail "missing or empty $file"
done

# The installed binary, not the one in the build tree, must run and report this build's version.
reported=$("$binary" --version) || fail "$binary --version exited with an error"
[ "$reported" = "slitwise $version" ] || fail "$binary --version printed '$reported', not 'slitwise $version'"

# The launcher must start the installed binary and show the installed icon, and the metainfo
# must point at the launcher, or menus and software centres show a broken entry.
grep -qx "Exec=slitwise" "$desktop" || fail "$desktop does not run slitwise"
grep -qx "Icon=$app_id" "$desktop" || fail "$desktop does not name the icon $app_id"
grep -q "<id>$app_id</id>" "$metainfo" || fail "$metainfo does not carry the id $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "$metainfo does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "$metainfo does not list release $version"

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
else
    echo "SKIPPED: xmllint not installed (Debian package libxml2-utils), icon not parsed"
fi
echo "Installed and checked under $prefix"
