#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when they are missing.
# Usage: scripts/install-deps.sh [extra packages...]
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev pkg-config libsystemd-dev libmicrohttpd-dev iproute2 "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
