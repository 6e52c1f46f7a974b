#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   scripts/vornic.sh run   install missing packages, build, run the main job
#   scripts/vornic.sh test  install missing packages, build with sanitizers, run every test and
#                           each fuzz target briefly
#   scripts/vornic.sh install  install missing packages, build the Debian package, install it
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
mode=${1:-run}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
  local wanted missing=()
  wanted=$(grep -vE '^\s*(#|$)' scripts/packages.txt)
  for p in $wanted; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)
case "$mode" in
  run)
    install_packages
    cmake --preset dev >/dev/null
    cmake --build --preset dev -j "$jobs"
    if [ -x build/dev/bin/vornicpack ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
      exec build/dev/bin/vornicpack "${@:2}"
    fi
    exec build/dev/bin/vornicpack-cli demo "${2:-vornicpack-demo}"
    ;;
  test)
    install_packages
    cmake --preset ci >/dev/null
    cmake --build --preset ci -j "$jobs"
    ctest --preset ci -j "$jobs"
    # The fuzz targets on the core, built with clang, each run briefly on its corpus.
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz -j "$jobs"
    ctest --preset fuzz -j "$jobs"
    ;;
  install)
    install_packages
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$jobs"
    rm -f build/release/vornicpack_*.deb
    cpack --preset release
    as_root apt-get install -y "$here"/build/release/vornicpack_*.deb
    ;;
  *)
    echo "usage: scripts/vornic.sh run|test|install" >&2
    exit 2
    ;;
esac
