#!/usr/bin/env bash
# Each folder includes only from the layers below it and its own: a folder that reaches up, or
# across to a program beside it, fails here with the lines that do.
set -uo pipefail
source_dir=${1:?usage: check-layers.sh SOURCE_DIR}

module="app params rules dialogs controls"
declare -A may_include=(
    [platform]="platform"
    [host]="host platform"
    [resources]="resources platform"
    [app]="$module host platform"
    [params]="$module host platform"
    [rules]="$module host platform"
    [dialogs]="$module host platform"
    [controls]="$module host platform"
    [document]="document $module host platform"
    [check]="check document $module host platform"
    [cli]="cli check document $module host platform"
    [studio]="studio check document $module host platform"
)

status=0
for folder in "${!may_include[@]}"; do
    allowed=$(tr ' ' '|' <<<"${may_include[$folder]}")
    found=$(grep -rnE '^#include "[a-z]+/' "$source_dir/$folder" --include='*.h' --include='*.cpp' |
            grep -vE "^[^:]+:[0-9]+:#include \"($allowed)/")
    if [[ -n $found ]]; then
        echo "$folder/ may include only ${may_include[$folder]}; these reach elsewhere:"
        echo "$found" | sed "s#^$source_dir/#  #"
        status=1
    fi
done
exit $status
