#!/usr/bin/env bash
# Installs what the build, the tests and the program need on Debian 12, and
# only what is missing: a second run is quick.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev googletest python3
  g++-mingw-w64-x86-64 wine wine64 xvfb xauth xdotool xclip
  x11-utils locales fonts-wqy-microhei imagemagick jwm
  libcli11-dev ieee-data clang libclang-rt-14-dev llvm
  help2man lintian dpkg-dev man-db unzip
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes the ANSI code page from the locale: zh_CN.UTF-8 gives GBK (936).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  as_root sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
