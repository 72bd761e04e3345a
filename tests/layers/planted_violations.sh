#!/usr/bin/env bash
# Plants includes into a small tree and checks that check-layers reports
# exactly the forbidden ones, by file and line, and passes once they are gone.
#   planted_violations.sh CHECK TABLE
set -euo pipefail
check="$1"
table="$2"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
# The real table, and a line of a file's own that grants it one more folder.
cp "$table" "$tree.table"
trap 'rm -rf "$tree" "$tree.table"' EXIT
printf 'host/frontend/Exempt.cpp: analysis\n' >> "$tree.table"
table="$tree.table"

plant() { mkdir -p "$tree/$(dirname "$1")"; printf '%s\n' "${@:2}" > "$tree/$1"; }
plant core/Allowed.h '#pragma once' '#include "platform/win32/com.h"' '#include <vector>' '#include "Local.h"'
plant core/Upward.cpp '#include "core/Allowed.h"' '' '#include "module/HostServices.h"'
plant host/frontend/Exempt.cpp '#include "analysis/TarvikData.h"' '#include "host/engine/CalcEngine.h"'
plant host/frontend/Other.cpp '// #include "analysis/TarvikData.h"' '  #  include "analysis/TarvikData.h"'
plant tests/core/anything_test.cpp '#include "library/Anything.h"'
plant build/generated.cpp '#include "views/Anything.h"'

expected='core/Upward.cpp:3: core may not include module
host/frontend/Other.cpp:2: host/frontend may not include analysis'
status=0
actual="$("$check" "$tree" "$table" 2>/dev/null)" || status=$?
if [ "$status" -ne 1 ] || [ "$actual" != "$expected" ]; then
    printf 'expected status 1 and:\n%s\ngot status %d and:\n%s\n' "$expected" "$status" "$actual"
    exit 1
fi

rm "$tree/core/Upward.cpp" "$tree/host/frontend/Other.cpp"
if ! actual="$("$check" "$tree" "$table")"; then
    printf 'expected the tree without the planted includes to pass, got:\n%s\n' "$actual"
    exit 1
fi
echo "$actual"
