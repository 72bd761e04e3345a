#!/bin/bash
# Usage: module_symbols.sh NM PROGRAM
# Fails when PROGRAM defines a symbol of the module's namespaces: it must reach the module only
# through the library it loads, never carry its code (calculation classes, loop data, messages,
# framework or registration).
set -euo pipefail
shopt -s inherit_errexit
nm=$1 program=$2
# A failing nm fails the script: an empty symbol list must never pass for a clean program.
symbols=$("$nm" -C --defined-only "$program")
carried=$(cut -d' ' -f3- <<<"$symbols" | grep -E '(^|[^A-Za-z0-9_])(Ovo|OvoBitset|Tarvik|EEH3|CalcEnums|ExtLib)::' | LC_ALL=C sort -u || true)
if [ -n "$carried" ]; then
    echo "$program defines module symbols:"
    echo "$carried"
    exit 1
fi
echo "$program: no module symbols among $(wc -l <<<"$symbols") defined"
