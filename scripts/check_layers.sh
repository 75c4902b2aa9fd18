#!/usr/bin/env bash
# Fails when an #include runs from a lower floor of the code up to a higher one, naming the line.
# Floors from the ground up; a folder may include its own headers and those of lower floors.
# Folders on one floor (text and hydration; gui and runner) stay apart. The solver uses the
# text conventions and the hydration curves only.
# Usage: check_layers.sh [repository root]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}

floors=("text hydration" platform app materials section submodel model run sounding exec mainwindow "gui runner")
declare -A floor
for i in "${!floors[@]}"; do
    for folder in ${floors[$i]}; do floor[$folder]=$i; done
done

failures=0
report() {
    echo "$1: $2 may not include \"$3\" ($4)" >&2
    failures=$((failures + 1))
}

while IFS= read -r -d '' file; do
    rel=${file#"$root"/}
    top=${rel#src/}
    top=${top%%/*}
    [ "$rel" != "${rel#solver/}" ] && top=solver
    while IFS=: read -r line included; do
        target=${included%%/*}
        [ "$target" = "$included" ] && continue # same folder
        if [ "$top" = solver ]; then
            [ "$target" = text ] || [ "$target" = hydration ] ||
                report "$rel:$line" solver "$included" "the solver uses the text conventions and the hydration curves only"
            continue
        fi
        [ -n "${floor[$top]:-}" ] || { report "$rel:$line" "$top" "$included" "$top is on no floor"; continue; }
        [ "$target" = "$top" ] && continue
        if [ -z "${floor[$target]:-}" ]; then
            report "$rel:$line" "$top" "$included" "$target is on no floor"
        elif [ "${floor[$target]}" -ge "${floor[$top]}" ]; then
            report "$rel:$line" "$top" "$included" "$target is not below $top"
        fi
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
             sed 's/^\([0-9]*\):[^"]*"\([^"]*\)".*/\1:\2/' || true)
done < <(find "$root/src" "$root/solver" \( -name '*.h' -o -name '*.cpp' \) -print0)

if [ "$failures" -gt 0 ]; then
    echo "$failures include(s) run upward; floors from the ground: ${floors[*]}" >&2
    exit 1
fi
