#!/usr/bin/env bash
# The folders are layers, lowest first: each may include only from itself and
# the folders before it, and the plain ones include no Qt at all. The plain
# layers sit at the top of the tree; each front end keeps its own layers in
# a folder of its own (qt/, windows/), and neither includes from the other.
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
  if grep -rnE '#\s*include\s*"(qt|windows)/' "$folder"; then
    echo "$folder/ is plain C++ but includes from a front end"
    status=1
  fi
done
# A plain layer reaches the system's own calls only through the two sides
# of the file layer under the best times: the POSIX side in a *_posix.cpp,
# the Windows side in a *_windows.cpp.
system_headers='#\s*include\s*<(windows|winbase|winnt|fileapi|shlobj|aclapi|sddl|fcntl|unistd|pwd|sys/[a-z_]+)\.h>'
if grep -rnE "$system_headers" "${plain[@]}" | grep -vE '_(posix|windows)\.cpp:'; then
  echo "a plain layer includes a system header outside the file layer's two sides"
  status=1
fi
if grep -rnE '#\s*include\s*<(windows|winbase|fileapi|shlobj|aclapi|sddl)\.h>' "${plain[@]}" --include='*_posix.cpp' ||
   grep -rnE '#\s*include\s*<(fcntl|unistd|pwd|sys/[a-z_]+)\.h>' "${plain[@]}" --include='*_windows.cpp'; then
  echo "a side of the file layer includes the other system's headers"
  status=1
fi
# The Windows front end stands on the plain layers alone.
if grep -rnE '#\s*include\s*([<"]Q|"qt/)' windows; then
  echo "windows/ includes from the Qt front end"
  status=1
fi
if grep -rnE '#\s*include\s*"windows/' qt; then
  echo "qt/ includes from the Windows front end"
  status=1
fi
exit $status
