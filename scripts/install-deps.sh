#!/usr/bin/env bash
# Installs the Debian packages in scripts/packages.txt that are not installed yet.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t packages < <(grep -v '^\s*\(#\|$\)' scripts/packages.txt)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
