#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package klevar_VERSION-1_ARCH.deb from this clone: installs what it
# needs (only what is missing), builds the program in build-package/ with Debian's
# hardening flags, makes the package there, checks it with lintian, and prints the
# package's full path as its last line. Install it with: sudo apt install PATH
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What setup.sh installs for building, and the packaging tools.
"$here/tools/setup.sh" --packages-only binutils lintian desktop-file-utils >&2

build="$here/build-package"
# Every hardening Debian offers, immediate binding included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$here" -B "$build" "${launcher[@]}" -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >&2
# Only the program and what it ships; the tests and benchmarks are not packaged.
cmake --build "$build" -j"$(nproc)" --target klevar program_folder desktop_files >&2

desktop-file-validate "$here/packaging/klevar.desktop" >&2
appstreamcli validate --no-net "$here/packaging/klevar.metainfo.xml" >&2
deb=$("$here/tools/makedeb.sh" "$build" "$build")

echo "package: lintian $deb" >&2
lintian --fail-on error "$deb" >&2
echo "package: $(du -h "$deb" | cut -f1) $(basename "$deb")" >&2
echo "$deb"
