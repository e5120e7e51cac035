#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demonstration need; packages
# already present are left alone. Needs root (or sudo).
set -euo pipefail
packages=(
  cmake ninja-build g++ googletest libgtest-dev       # native build and unit tests
  g++-mingw-w64-i686 g++-mingw-w64-x86-64             # the two Windows builds
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64   # objdump for the PE checks
  wine64                                              # runs the 64-bit build
  xvfb xdotool imagemagick                            # dialogs on a virtual display
  clang libclang-rt-14-dev                            # fuzz targets (libFuzzer, sanitizers)
  clang-format clang-tidy cppcheck git
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
  "${missing[@]}" >/dev/null
