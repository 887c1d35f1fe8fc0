#!/usr/bin/env bash
# The folders are layers, lowest first: each may include only from itself and
# the folders before it, and the plain ones include no Qt at all. The plain
# layers sit at the top of the tree; each front end keeps its own layers in
# a folder of its own (qt/).
set -euo pipefail
cd "$1"
layers=(resources core records kit qt/translations qt/images qt/dialogs qt/ui qt/app)
plain=(resources core records kit)
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
  if grep -rnE '#\s*include\s*[<"]Q' "$folder"; then
    echo "$folder/ is plain C++ but includes Qt"
    status=1
  fi
  if grep -rnE '#\s*include\s*"qt/' "$folder"; then
    echo "$folder/ is plain C++ but includes from the Qt front end"
    status=1
  fi
done
exit $status
