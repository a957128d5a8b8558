#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when some are missing,
# so a second call costs a dpkg query and nothing more.
set -euo pipefail

packages=(cmake g++ ninja-build pkg-config qt6-base-dev libsqlite3-dev libgtest-dev libgmock-dev python3 "$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
