#!/usr/bin/env bash
# The folders are layers, lowest first: each may include only from itself and
# the folders before it, and the plain ones include no Qt at all.
set -euo pipefail
cd "$1"
layers=(resources core records translations images dialogs ui app)
plain=(resources core records)
status=0
for ((i = 0; i < ${#layers[@]}; i++)); do
  folder=${layers[i]}
  for ((j = i + 1; j < ${#layers[@]}; j++)); do
    if grep -rnE "#\s*include\s*\"${layers[j]}/" "$folder"; then
      echo "$folder/ includes from ${layers[j]}/, a higher layer"
      status=1
    fi
  done
done
for folder in "${plain[@]}"; do
  if grep -rnE '#\s*include\s*<Q' "$folder"; then
    echo "$folder/ is plain C++ but includes Qt"
    status=1
  fi
done
exit $status
