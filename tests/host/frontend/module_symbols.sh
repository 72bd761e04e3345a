#!/bin/bash
# Usage: module_symbols.sh NM PROGRAM ALLOWED
# Fails when PROGRAM defines a symbol of the module's namespaces that ALLOWED does not. ALLOWED is
# the relation fits linked alone, so PROGRAM may carry the module's loop data and what it pulls in,
# and nothing else of the module: no calculation classes, messages, framework or registration.
set -euo pipefail
shopt -s inherit_errexit
nm=$1 program=$2 allowed=$3
# A failing nm fails the script: an empty symbol list must never pass for a clean program.
moduleSymbols() {
    local symbols
    symbols=$("$nm" -C --defined-only "$1")
    cut -d' ' -f3- <<<"$symbols" | grep -E '(Ovo|OvoBitset|Tarvik|EEH3|CalcEnums|ExtLib)::' | LC_ALL=C sort -u || true
}
carried=$(moduleSymbols "$program")
permitted=$(moduleSymbols "$allowed")
extra=$(LC_ALL=C comm -23 <(echo "$carried") <(echo "$permitted"))
if [ -n "$extra" ]; then
    echo "$program defines module symbols beyond the relation fits':"
    echo "$extra"
    exit 1
fi
echo "$program: $(echo "$carried" | grep -c . || true) module symbols, all of the relation fits"
