#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/tools/setup.sh"
cd "$here/build"
ctest --output-on-failure -j"$(nproc)" "$@"
