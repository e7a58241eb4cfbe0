#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# when any of them is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql qt6-translations-l10n
  libsqlite3-dev libpq-dev
  libsimpleini-dev libshp-dev pxlib-dev mdbtools-dev mdbtools libxlsxwriter-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-liberation2 fonts-dejavu-core
  xvfb xauth poppler-utils
  postgresql
  clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
