#!/bin/bash
# Usage: includes.sh SOURCE_DIR
# Fails when platform/ or host/ include a header of the module's folders, or link one of its
# targets (tarvik*), except the relation fits in host/frontend, which use the module's loop data.
set -uo pipefail
cd "$1" || exit 2
module='(core|module|analysis|workflow|document|library|controls|plot|tableview|views|panes|dialogs|selftest|TestSuite|resources)/'
found=$(grep -rnE "^\s*#\s*include\s*[\"<]$module" platform host | grep -v '^host/frontend/RelationFits\.cpp:')
# tarvik_library() is the build's helper, not a target; the module may be a dependency or a path.
linked=$(grep -rnE '\btarvik' --include=CMakeLists.txt platform host | grep -vE '^[^:]+:[0-9]+:\s*#' |
    sed -E 's/tarvik_library\(//; s/add_dependencies\(([a-z_]+) tarvik\)//; s/TARGET_FILE:tarvik>//' |
    grep -E ':.*\btarvik' |
    grep -v '^host/frontend/CMakeLists.txt:[0-9]*:    LIBS host_engine tarvik_analysis tarvik_core)$')
if [ -n "$found$linked" ]; then
    echo "platform/ and host/ reach into the module:"
    printf '%s\n' "$found" "$linked" | grep .
    exit 1
fi
echo "platform/ and host/ include and link nothing of the module but the relation fits"
