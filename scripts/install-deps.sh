#!/usr/bin/env bash
# Installs what Vorlune's build, tests and editor need on Debian 12. Idempotent:
# installs only what is missing. As root it uses apt-get directly; otherwise it
# names what to install and stops.
set -euo pipefail

packages=(
  g++ clang libclang-rt-14-dev cmake ninja-build make pkg-config
  googletest libgtest-dev libbenchmark-dev
  qt6-base-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libcli11-dev nlohmann-json3-dev
  libpng-dev libjpeg62-turbo-dev libwebp-dev libgif-dev libtiff-dev liblcms2-dev zlib1g-dev nettle-dev
  libfreetype-dev fonts-ipafont-gothic
  xvfb xauth imagemagick
  clang-format
  dpkg-dev file lintian desktop-file-utils appstream man-db shared-mime-info
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Vorlune needs these Debian packages, which are not installed:" >&2
  echo "  ${missing[*]}" >&2
  echo "Install them with:  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
