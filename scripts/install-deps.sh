#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, only when
# something is missing, so that repeated runs cost nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  clang libclang-rt-14-dev clang-format
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
  libgtest-dev googletest libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  poppler-utils xvfb xauth
  qt6-translations-l10n
  libreoffice-calc-nogui
  dpkg-dev file lintian desktop-file-utils appstream
  cups cups-bsd printer-driver-cups-pdf
  python3
  libxlsxwriter-dev libssl-dev
  gnumeric python3-openpyxl
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
