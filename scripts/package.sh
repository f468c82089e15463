#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package fretlore_<version>_<arch>.deb into BUILD_DIR/packages
# (default build/packages), shows its control data, checks that its file
# list is exactly what `cmake --install` puts under /usr, and checks it with
# lintian as a distribution would: any error or warning fails, informational
# tags are shown.
# Usage: scripts/package.sh [build-dir]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
dir=${1:-build}
case "$dir" in /*) ;; *) dir="$here/$dir" ;; esac

scripts/setup.sh
scripts/build.sh "$dir"
rm -f "$dir"/packages/fretlore_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/packages/fretlore_*.deb)
dpkg-deb --info "$deb"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
DESTDIR=$tree cmake --install "$dir" --prefix /usr >/dev/null
if ! diff -u <(cd "$tree" && find . -mindepth 1 | sed 's|^\./||' | sort) \
             <(dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed 's|^\./||; s|/$||' | grep . | sort); then
  echo "package: the package's files differ from the install tree" >&2
  exit 1
fi
echo "package: $(dpkg-deb --contents "$deb" | wc -l) entries, the same as the install tree"

# Lintian warns that it runs as root, which is how this script is meant to be
# run (scripts/setup.sh installs as root); that line is not about the package.
if ! lintian --display-info --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2); then
  echo "package: lintian found errors or warnings" >&2
  exit 1
fi
echo "package: lintian: no error, no warning"
echo "package: $deb"
