# Shared by scripts/run and scripts/test: installs the Debian packages the
# build needs when they are missing, then configures and builds into build/.
# Sourced, not run; expects ROOT to be the project folder.

REQUIRED_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev libgl-dev libjpeg-dev
    libbenchmark-dev
    fonts-dejavu-core fonts-liberation2
)

missing_packages() {
    local package
    for package in "${REQUIRED_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || echo "$package"
    done
}

install_missing_packages() {
    local missing
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    echo "Installing missing packages: $(echo $missing)"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
}

build_project() {
    cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$ROOT/build" --parallel "$(nproc)"
}
