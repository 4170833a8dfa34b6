#!/usr/bin/env bash
# Installs the Debian packages KOR needs to build and test, skipping those
# already present, so running it again changes nothing.
set -euo pipefail

packages=(
  build-essential
  cmake
  make
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  libcli11-dev
  nlohmann-json3-dev
  clang
  libclang-rt-14-dev
  # The format check (scripts/check-format.sh, the `format` test).
  clang-format
  # The desktop program: Qt 6 Widgets, its charts and OpenGL parts, and the
  # metric twin of "Courier New" that the report windows ask for.
  qt6-base-dev
  libqt6opengl6-dev
  qt6-charts-dev
  fonts-liberation
  # A virtual display for `make run` without a screen and for screenshots.
  xvfb
  xauth
  # desktop-file-validate, which the install test runs on the desktop entry.
  desktop-file-utils
  # A browser for the tests that open the web-page report headless.
  chromium
  # `make package`: dpkg-shlibdeps finds the package's library dependencies,
  # file tells CPack which installed files are programs to strip and scan.
  dpkg-dev
  file
)

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=sudo
else
  sudo_cmd=
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo_cmd apt-get update -qq
$sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
