#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need; does nothing when all are present.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git
  # The package and its menu entry: CPack's dependency lookup and the validators the install tests run.
  dpkg-dev file desktop-file-utils appstream
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-tools-dev qt6-tools-dev-tools libgl-dev
  googletest libgtest-dev
  # The full-text index of the Find window.
  libxapian-dev
  fonts-liberation
  mdbtools mdbtools-dev
  unrtf libreoffice-writer-nogui
  # The licence check of every file.
  reuse
)
# The database tests check our files with a second reader that runs on Node.js.
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The second database reader, in the project's own folder where the tests look for it.
here=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -d "$here/.peers/node_modules/mdb-reader" ]; then
  echo "installing: mdb-reader (npm)"
  npm install --prefix "$here/.peers" --no-audit --no-fund --silent mdb-reader@3 ||
    echo "mdb-reader could not be installed: the tests that compare with it report a skip" >&2
fi
