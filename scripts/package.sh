#!/usr/bin/env bash
# Builds the Debian package build/package/zentri-manager_VERSION_amd64.deb (the manager, zentrictl
# and the emulator, the menu entry, its icon, the AppStream data and the man pages, the dependencies
# computed from the binaries, the copyright and the changelog), then checks it: the desktop entry and
# the AppStream data validate, it holds every file it should, lintian finds no error and no warning,
# and apt could install it here.
# Usage: scripts/package.sh [--no-check]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh dpkg-dev file desktop-file-utils appstream groff-base lintian
scripts/build.sh >/dev/null
(cd build && cpack -G DEB -B package >/dev/null)
version=$(sed -n 's/^project(zentri_manager VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=build/package/zentri-manager_${version}_amd64.deb
[ -f "$deb" ] || { echo "package.sh: $deb was not made" >&2; exit 1; }
echo "made $deb"
[ "${1:-}" = --no-check ] && exit 0
exec scripts/package-check.sh "$deb"
