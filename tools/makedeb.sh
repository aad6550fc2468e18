#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a configured and built build folder:
#   tools/makedeb.sh BUILD_FOLDER OUTPUT_FOLDER
# Installs the build into a staging tree under /usr, strips the program, adds the
# Debian documents and the control files, and prints the package's full path last.
# Needs dpkg-dev (dpkg-shlibdeps) and binutils (strip); changes nothing outside the two
# folders it is given, apart from CMake's install_manifest.txt in the build folder.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_FOLDER OUTPUT_FOLDER" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
packaging="$here/packaging"
umask 022

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "makedeb: $build is not a configured build folder" >&2; exit 2; }
version="$version-1"
arch=$(dpkg --print-architecture)

work=$(mktemp -d "${TMPDIR:-/tmp}/klevar-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT
stage="$work/klevar"

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
strip --remove-section=.comment --remove-section=.note --strip-unneeded \
    "$stage/usr/lib/klevar/klevar"

doc="$stage/usr/share/doc/klevar"
install -d "$doc"
install -m 644 "$packaging/copyright" "$doc/copyright"
gzip -9 -n -c "$packaging/changelog" >"$doc/changelog.Debian.gz"
chmod 644 "$doc/changelog.Debian.gz"

# Whatever the builder's umask made of the tree, a package installs readable files.
find "$stage" -type d -exec chmod 755 {} +
find "$stage" -type f ! -perm -u+x -exec chmod 644 {} +
find "$stage" -type f -perm -u+x -exec chmod 755 {} +

# The libraries the program links, as package names with their least versions.
# dpkg-shlibdeps reads a source package's control file; a minimal one stands in.
mkdir -p "$work/source/debian"
printf 'Source: klevar\n\nPackage: klevar\nArchitecture: any\n' >"$work/source/debian/control"
shlibs=$(cd "$work/source" && dpkg-shlibdeps -O -e"$stage/usr/lib/klevar/klevar" 2>/dev/null |
    sed -n 's/^shlibs:Depends=//p')
[ -n "$shlibs" ] || { echo "makedeb: dpkg-shlibdeps found no libraries" >&2; exit 1; }

install -d "$stage/DEBIAN"
size=$(du -sk --exclude=DEBIAN "$stage" | cut -f1)
sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" -e "s/@SIZE@/$size/" \
    -e "s/@SHLIBS@/$shlibs/" "$packaging/control.in" >"$stage/DEBIAN/control"
(cd "$stage" && find . -type f ! -path './DEBIAN/*' -printf '%P\0' | LC_ALL=C sort -z |
    xargs -0 md5sum) >"$stage/DEBIAN/md5sums"
chmod 644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

deb="$out/klevar_${version}_${arch}.deb"
dpkg-deb --root-owner-group --build "$stage" "$deb" >/dev/null
echo "$deb"
