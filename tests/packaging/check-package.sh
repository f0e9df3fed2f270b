#!/usr/bin/env bash
# Builds the Debian package into this test's own folder and checks that it names the libraries
# and the font it needs, and that lintian, pedantic and with its informational tags, finds no
# error or warning in it, nor, when the build took Debian's hardening flags, any hardening tag.
# Usage: check-package.sh CPACK CPACK_CONFIG OUT_DIR VERSION HARDENED(ON|OFF)
# Exits 77 (skipped) where lintian or dpkg-shlibdeps is not installed.
set -euo pipefail

cpack=$1
config=$2
out_dir=$3
version=$4
hardened=$5

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in lintian:lintian dpkg-shlibdeps:dpkg-dev; do
    if ! command -v "${tool%%:*}" >/dev/null; then
        echo "SKIPPED: ${tool%%:*} not installed (Debian package ${tool#*:})"
        exit 77
    fi
done

source "$(dirname "$0")/keep-manifest.sh"
keep_manifest "$(dirname "$config")"
rm -rf "$out_dir"
"$cpack" --config "$config" -B "$out_dir" >"$out_dir.log" 2>&1 || {
    cat "$out_dir.log" >&2
    fail "cpack could not build the package"
}
package=$out_dir/slitwise_${version}_$(dpkg --print-architecture).deb
[ -s "$package" ] || fail "cpack made no $package"

# apt installs these along with the package; without any one of them the program cannot start
# or draws its captions in a stand-in face.
depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
names=$(tr ',' '\n' <<<"$depends" | sed -e 's/^ *//' -e 's/[ (].*//')
for needed in libc6 libstdc++6 libgcc-s1 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation; do
    grep -qxF "$needed" <<<"$names" || fail "Depends does not name $needed"
done

# lintian leaves scratch files in its temporary folder; this keeps them in the test's own.
mkdir "$out_dir/tmp"
report=$(TMPDIR=$out_dir/tmp lintian --pedantic -I --fail-on error,warning "$package") \
    || fail "lintian found errors or warnings: $report"
[ -z "$report" ] || echo "$report"
if [ "$hardened" = ON ] && grep -q hardening- <<<"$report"; then
    fail "the binary lacks some of the hardening it was built with"
fi
echo "Built and checked $package"
