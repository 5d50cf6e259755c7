# Shared by scripts/run and scripts/test: installs the Debian packages the
# build needs when they are missing, then configures and builds into build/.
# Sourced, not run; expects ROOT to be the project folder.

REQUIRED_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev libgl-dev libjpeg-dev
    libbenchmark-dev poppler-utils desktop-file-utils shared-mime-info
    xvfb xauth xdotool openbox x11-utils
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

# A compiler cache, where one is installed, makes the builds of several
# clones of the project share their work.
compiler_launcher() {
    command -v ccache >/dev/null 2>&1 && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
}

build_project() {
    # shellcheck disable=SC2046
    cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(compiler_launcher)
    cmake --build "$ROOT/build" --parallel "$(nproc)"
}

# True when clang can build a libFuzzer target here.
clang_fuzzer_available() {
    command -v clang++ >/dev/null 2>&1 || return 1
    local probe
    probe=$(mktemp -d)
    printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }\n' >"$probe/probe.cpp"
    clang++ -fsanitize=fuzzer,address "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1
    local built=$?
    rm -rf "$probe"
    return $built
}

# Builds the fuzz targets with clang into build-fuzz/ and runs each briefly
# on a copy of its corpus.
run_fuzz_targets() {
    local seconds=${1:-10}
    cmake -S "$ROOT" -B "$ROOT/build-fuzz" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZING=ON >/dev/null
    cmake --build "$ROOT/build-fuzz" --parallel "$(nproc)"
    local corpus
    corpus=$(mktemp -d)
    cp "$ROOT"/tests/fuzz/corpus/* "$corpus"/
    "$ROOT/build-fuzz/tests/fuzz/scan_reader_fuzz" -max_total_time="$seconds" -max_len=140000 "$corpus" 2>&1 | tail -n 1
    rm -rf "$corpus"
}
