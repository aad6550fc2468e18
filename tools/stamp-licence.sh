#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line into every source file that lacks it: C++ sources and headers,
# CMake files, and Python and shell scripts (after their "#!" line). Run it after adding
# files; tests/packaging/licence_test.cpp fails while one of them lacks the line.
#   tools/stamp-licence.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
line='SPDX-License-Identifier: GPL-3.0-or-later'
stamped=0
while IFS= read -r -d '' file; do
    if head -n 3 "$file" | grep -qF "$line"; then
        continue
    fi
    case "$file" in
        *.cpp | *.h) comment="// $line" ;;
        *) comment="# $line" ;;
    esac
    if head -n 1 "$file" | grep -q '^#!'; then
        sed -i "1a\\$comment" "$file"
    else
        sed -i "1i\\$comment" "$file"
    fi
    stamped=$((stamped + 1))
done < <(git ls-files -z -- '*.cpp' '*.h' '*.py' '*.sh' '*.cmake' '*CMakeLists.txt' .ci/run)
echo "stamp-licence: $stamped files stamped"
