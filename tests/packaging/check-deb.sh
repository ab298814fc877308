#!/bin/sh
# Builds the Debian package into a scratch folder and checks what dpkg will
# get: dependencies computed from both the program and its page-pane module,
# and files under /usr only.
# Usage: check-deb.sh CPACK BUILD_DIR
set -eu
cpack=$1 build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cd "$build"
"$cpack" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
set -- "$work"/*.deb
[ $# = 1 ] && [ -f "$1" ] || fail "expected one package, found: $*"

depends=$(dpkg-deb --field "$1" Depends)
echo "Depends: $depends"
# libqt6widgets6 comes from the program, libqt6webenginewidgets6 from the module.
for package in libc6 libqt6widgets6 libqt6webenginewidgets6; do
    echo "$depends" | grep -Eq "(^|, )$package( |,|$)" || fail "Depends lacks $package"
done

outside=$(dpkg-deb --contents "$1" | awk '{print $6}' | grep -Ev '^\./(usr/.*)?$' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
echo "package ok: $(basename "$1")"
