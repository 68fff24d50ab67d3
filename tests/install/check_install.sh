#!/usr/bin/env bash
# Installs the reader into a temporary prefix and as a Debian package, and starts each installed
# reader the way a desktop menu does: from another folder, with a home of its own.
# Usage: tests/install/check_install.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu

fail() {
  echo "install check: $*" >&2
  exit 1
}

# Starts an installed reader from / for a few seconds; it must end in order.
start_reader() {
  local program=$1 home=$2
  (cd / && env HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
    TAVLIN_MESSAGES="$home/messages" TAVLIN_EXIT_AFTER_MS=3000 \
    timeout 120 xvfb-run -a "$program" >"$home/reader.log" 2>&1) ||
    fail "$program ended with $? (see $home/reader.log)"
  [ ! -s "$home/messages" ] || fail "$program showed: $(cat "$home/messages")"
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/cz.tavlin.Reader.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/cz.tavlin.Reader.metainfo.xml"

home=$work/home
mkdir -p "$home"
start_reader "$prefix/bin/tavlin" "$home"
user=$home/.local/share/tavlin
[ -d "$user/Html" ] && [ -d "$user/Index" ] && [ -L "$user/Data/TavlinDemo.db" ] ||
  fail "the first start made no program folder of the user's own in $user"
echo "<note/>" >"$user/Data/Notes.xml"
start_reader "$prefix/bin/tavlin" "$home"
[ "$(cat "$user/Data/Notes.xml")" = "<note/>" ] || fail "the second start lost the user's notes"
"$prefix/bin/tavlin-cli" list --page contents --folder "$prefix/share/tavlin/demo" | grep -q . ||
  fail "the installed tool lists nothing"

# The package: built, installed with its dependencies, run, removed.
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
package=$(ls "$work"/package/tavlin_*.deb)
dpkg-deb -f "$package" Depends | grep -q libqt6webenginecore6 ||
  fail "the package does not depend on the web engine"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$package" >/dev/null
home=$work/package-home
mkdir -p "$home"
start_reader /usr/bin/tavlin "$home"
/usr/bin/tavlin-cli list --page contents --folder /usr/share/tavlin/demo | grep -q . ||
  fail "the packaged tool lists nothing"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tavlin >/dev/null
[ ! -e /usr/bin/tavlin ] || fail "the package left /usr/bin/tavlin behind"
echo "install check: passed"
