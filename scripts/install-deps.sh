#!/usr/bin/env bash
# Installs what the editor needs from Debian's archive: "run" for building and starting it,
# "test" for that plus everything the tests, benchmarks, fuzzer and package check use.
# Only packages that are missing are installed; when none is, neither apt-get nor sudo is run.
set -euo pipefail
profile=${1:-run}
packages=(cmake ninja-build g++ qt6-base-dev qt6-wayland libgl-dev fonts-dejavu-core)
if [ "$profile" = test ]; then
  packages+=(weston qt6-gtk-platformtheme pkg-config libxcb1-dev libgtest-dev libbenchmark-dev clang
             libclang-rt-14-dev xvfb openbox xdotool xclip x11-apps x11-utils time
             imagemagick python3 python3-pil desktop-file-utils lintian)
fi
# One look at dpkg's database for all of them; a package it does not know is simply not listed.
installed=" $( (dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null || true) |
  awk '$3 == "ok" && $4 == "installed" { printf "%s ", $1 }')"
missing=()
for package in "${packages[@]}"; do
  [[ $installed == *" $package "* ]] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
