# Shared by scripts/run and scripts/test: installs the Debian packages the
# build needs (only those missing) and configures and builds one preset.
# klandor_install_missing installs the Linux build's packages and any named
# after it.
# Sourced, not run.

KLANDOR_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-private-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  desktop-file-utils appstream dpkg-dev file groff-base
)

# Added for the Windows presets (windows, windows64) only: the mingw-w64
# cross compilers, GoogleTest's source to build for Windows, Wine to run the
# 64-bit build's tests, and a private X display with input and screenshots
# for the test of the game's window.
KLANDOR_WINDOWS_PACKAGES=(
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest
  wine wine64 xvfb xdotool imagemagick
)

klandor_install_missing() {
  local missing=()
  local pkg
  for pkg in "${KLANDOR_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed$'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# klandor_build PRESET [extra cmake arguments...]
klandor_build() {
  local preset=$1
  shift
  local werror=()
  [ "${CI:-}" = "true" ] && werror=(-DKLANDOR_WERROR=ON)
  cmake --preset "$preset" "${werror[@]}" "$@" >/dev/null
  cmake --build --preset "$preset"
}
