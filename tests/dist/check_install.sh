#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and checks what lands there.
# Usage: check_install.sh BUILD_DIR LIST
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
"$(dirname "$0")/check_tree.sh" "$prefix" "$2"
