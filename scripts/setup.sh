# shellcheck shell=bash disable=SC2034 # the variables are for the scripts that source this
# Shared by ./run and ./test (sourced): the Debian packages, the build trees and their flags.

parvell_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
package_list="$parvell_root/scripts/packages"

# PARVELL_BUILD_DIR and PARVELL_ASAN_BUILD_DIR let a developer keep private build trees in a
# shared checkout.
build_dir=$(realpath -m "$parvell_root/${PARVELL_BUILD_DIR:-build}")
asan_build_dir=$(realpath -m "$parvell_root/${PARVELL_ASAN_BUILD_DIR:-build-asan}")

# Optimised, with assertions kept.
ordinary_flags=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O2)
# -O1 keeps the sanitized tests quick while the stack traces stay readable.
asan_flags=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" -DPARVELL_SANITIZE=ON)

die() {
  echo "$(basename "$0"): $*" >&2
  exit 1
}

# Prints the lines of the package list (name and why) whose package is not installed.
missing_packages() {
  local line name
  while IFS= read -r line; do
    name=${line%%#*}
    name=${name//[[:space:]]/}
    [[ -n $name ]] || continue
    if [[ $(dpkg-query -W -f='${db:Status-Status}' "$name" 2>/dev/null) != installed ]]; then
      echo "$line"
    fi
  done <"$package_list"
}

install_missing_packages() {
  command -v dpkg-query >/dev/null || die "cannot check the packages this needs: dpkg-query is missing (is this Debian?)."
  local missing
  missing=$(missing_packages)
  [[ -n $missing ]] || return 0

  local sudo=()
  if ((EUID != 0)); then
    command -v sudo >/dev/null ||
      die "cannot install the missing Debian packages: not root and sudo is not available."
    sudo=(sudo)
  fi
  local names
  names=$(cut -d'#' -f1 <<<"$missing" | xargs)
  echo "Installing the missing Debian packages (name, why):"
  printf '  %s\n' "$missing"
  # shellcheck disable=SC2086 # one word per package
  if ! "${sudo[@]}" apt-get update -q ||
    ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -q --no-install-recommends $names; then
    die "cannot install the Debian packages: $names."
  fi
}

# build_tree DIR CMAKE_ARGS...: configures DIR when needed (Ninja for a new tree) and builds it.
build_tree() {
  local dir=$1
  shift
  local generator=()
  [[ -f $dir/CMakeCache.txt ]] || generator=(-G Ninja)
  cmake -S "$parvell_root" -B "$dir" "${generator[@]}" "$@" &&
    cmake --build "$dir" --parallel "$(nproc)"
}
