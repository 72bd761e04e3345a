#!/bin/bash
# Usage: module_symbols.sh NM PROGRAM ALLOWED
# Fails when PROGRAM defines a symbol of the module's namespaces that ALLOWED does not. ALLOWED is
# the relation fits linked alone, so PROGRAM may carry the module's loop data and what it pulls in,
# and nothing else of the module: no calculation classes, messages, framework or registration.
set -euo pipefail
nm=$1 program=$2 allowed=$3
moduleSymbols() {
    "$nm" -C --defined-only "$1" | cut -d' ' -f3- | grep -E '(Ovo|OvoBitset|Tarvik|EEH3|CalcEnums|ExtLib)::' |
        LC_ALL=C sort -u || true
}
carried=$(moduleSymbols "$program")
extra=$(LC_ALL=C comm -23 <(echo "$carried") <(moduleSymbols "$allowed"))
if [ -n "$extra" ]; then
    echo "$program defines module symbols beyond the relation fits':"
    echo "$extra"
    exit 1
fi
echo "$program: $(echo "$carried" | grep -c . || true) module symbols, all of the relation fits"
