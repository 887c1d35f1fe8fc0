#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and checks what lands there.
# Usage: check_install.sh BUILD_DIR LIST
set -euo pipefail
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$1" --prefix "$root/usr" >/dev/null
"$(dirname "$0")/check_tree.sh" "$root" usr "$2"
