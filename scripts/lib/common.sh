# Shared by the scripts: install what is missing, configure and build.
# shellcheck shell=bash

MIRTE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
MIRTE_BUILD=${MIRTE_BUILD:-$MIRTE_ROOT/build}

# Every Debian package the build, the tests and the program need.
MIRTE_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont poppler-utils python3
  libxcb1-dev xvfb hyperfine time
  dpkg-dev file
)

mirte_as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "root rights are needed to install: $*" >&2
    return 1
  fi
}

# mirte_install_packages [extra packages...]: apt-get update once, then install only what is missing.
mirte_install_packages() {
  local missing=() pkg
  for pkg in "${MIRTE_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "installing: ${missing[*]}"
  mirte_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  mirte_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

mirte_build() {
  cmake -S "$MIRTE_ROOT" -B "$MIRTE_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$MIRTE_BUILD"
}
