#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the run command need, but only those
# that are missing, so a second run costs a few dpkg queries.
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb fvwm xauth
          imagemagick x11-utils)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# wine32 cannot run on these machines; while it is installed the wine command tries its 32-bit
# loader first and fails for 64-bit programs too.
if dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q 'install ok installed'; then
  echo "install-deps: wine32 is installed and breaks 64-bit wine here; remove it first" >&2
  exit 1
fi

[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
