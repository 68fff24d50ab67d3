#!/usr/bin/env bash
# Installs what is missing, builds the reader and its demo program folder, then either starts the
# reader in that folder ("run") or runs every test ("test").
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

packages=(
  cmake ninja-build g++ pkg-config clang
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools qt6-qpa-plugins
  libgl-dev libx11-dev libsqlite3-dev sqlite3 libxml2-dev libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core
  dpkg-dev desktop-file-utils appstream
  poppler-utils
  hunspell-cs libhunspell-dev
  xdg-utils
  hyperfine time
  libdtl-dev
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

jobs=$(nproc)
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"

case "$mode" in
run)
  cd build/release/demo
  # Chromium's sandbox refuses to run as root; a root session runs the web view without it.
  [ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
  exec ../tavlin
  ;;
test)
  export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
  ctest --preset release -L core -j "$jobs"
  QT_QPA_PLATFORM=offscreen ctest --preset release -L widget
  xvfb-run -a ctest --preset release -L web
  # The core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
  cmake --preset asan >/dev/null
  cmake --build --preset asan -j "$jobs" --target core_tests tavlin-cli
  ASAN_OPTIONS=detect_leaks=1 ctest --preset asan -L core -j "$jobs"
  # Installed into a prefix and as a package, the reader starts from the desktop menu's folder.
  bash tests/install/check_install.sh build/release
  # The benchmark script once on a small generated collection, so that it cannot break unseen.
  RUNS=1 WARMUP=0 BENCH_FOLDER="$(mktemp -d)/bench-1000" QT_QPA_PLATFORM=offscreen \
    bash bench/run.sh build/release 1000
  ;;
*)
  echo "usage: scripts/setup.sh run|test" >&2
  exit 2
  ;;
esac
