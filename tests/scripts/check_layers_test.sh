#!/usr/bin/env bash
# The layering check passes a tree whose includes run downward and fails one that adds an upward
# include, naming the file, the line and the include.
set -euo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/text" "$tree/src/app" "$tree/src/exec" "$tree/solver"
printf '#pragma once\n' > "$tree/src/text/PrintForm.h"
printf '#include "text/PrintForm.h"\n#include "platform/Dialogs.h"\n' > "$tree/src/app/AppState.h"
printf '#include "app/AppState.h"\n#include "frmRun.h"\n' > "$tree/src/exec/frmRun.cpp"
printf '#include "text/PrintForm.h"\n#include "Simulation.h"\n' > "$tree/solver/Run.cpp"
"$check" "$tree" || { echo "a downward tree was refused"; exit 1; }

printf '#pragma once\n#include <string>\n#include "exec/frmRun.h"\n' > "$tree/src/app/Bad.h"
if message=$("$check" "$tree" 2>&1); then
    echo "an upward include was accepted"; exit 1
fi
grep -qF 'src/app/Bad.h:3: app may not include "exec/frmRun.h"' <<<"$message" ||
    { echo "unexpected message: $message"; exit 1; }
rm "$tree/src/app/Bad.h"

printf '#include "run/Cexec.h"\n' >> "$tree/solver/Run.cpp"
if "$check" "$tree" 2>/dev/null; then echo "the solver may include the core"; exit 1; fi
echo "ok"
