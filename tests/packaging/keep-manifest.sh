# Sourced by the packaging checks. Every install, cpack's included, rewrites the build tree's
# install_manifest.txt, which the README uninstalls by; this puts back the user's own on exit.
# Usage: keep_manifest BUILD_DIR
keep_manifest() {
    manifest=$1/install_manifest.txt
    kept=$(mktemp)
    if [ -e "$manifest" ]; then
        cp -p "$manifest" "$kept"
        trap 'mv "$kept" "$manifest"' EXIT
    else
        trap 'rm -f "$kept" "$manifest"' EXIT
    fi
}
