# Shared by run.sh and test.sh: installs the Debian packages that are missing and
# configures and builds the project in build/. Source it; do not run it.

VEXLIN_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev nlohmann-json3-dev libcairo2-dev
  coinor-libcbc-dev python3-ezdxf qt6-base-dev fonts-dejavu-core)

install_missing_packages() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

build_project() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build build
}

# Configures build-sanitize with AddressSanitizer and UndefinedBehaviorSanitizer and builds
# only the named targets, so that the slow instrumented build stays small. It leaves the
# window out, which also shows that the core builds without Qt.
build_sanitized() {
  local flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
  flags+=" -fno-omit-frame-pointer"
  cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEXLIN_WERROR=ON \
    -DVEXLIN_GUI=OFF -DCMAKE_CXX_FLAGS="$flags"
  cmake --build build-sanitize --target "$@"
}
