# Shared by scripts/run and scripts/test: installs the Debian packages the
# build needs when they are missing, then configures and builds into build/.
# Sourced, not run; expects ROOT to be the project folder.

REQUIRED_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev libgl-dev libjpeg-dev
    libbenchmark-dev libglib2.0-dev poppler-utils desktop-file-utils shared-mime-info python3-numpy
    python3-vtk9 teem-apps
    xvfb xauth xdotool openbox x11-utils
    fonts-dejavu-core fonts-liberation2
    clang libclang-rt-14-dev
    dpkg-dev file
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

# Builds the fuzz targets with clang into build-fuzz/ and runs each briefly,
# seeded with the sample scan: the scan reader with the file and its corpus,
# the receive protocol with the stream the instrument sends for it. Inputs
# may be as long as a whole scan file or stream.
run_fuzz_targets() {
    local seconds=${1:-10}
    # shellcheck disable=SC2046
    cmake -S "$ROOT" -B "$ROOT/build-fuzz" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZING=ON $(compiler_launcher) >/dev/null
    cmake --build "$ROOT/build-fuzz" --parallel "$(nproc)"
    local corpus
    corpus=$(mktemp -d)
    mkdir "$corpus/reader" "$corpus/protocol"
    cp "$ROOT"/tests/fuzz/corpus/* "$ROOT/data/sample.vlm" "$corpus/reader"/
    "$ROOT/build-fuzz/tests/fuzz/receive_protocol_seed" "$ROOT/data/sample.vlm" "$corpus/protocol/sample-stream"
    local target
    for target in scan_reader_fuzz:reader receive_protocol_fuzz:protocol; do
        echo "Fuzzing ${target%%:*} for $seconds seconds"
        "$ROOT/build-fuzz/tests/fuzz/${target%%:*}" -max_total_time="$seconds" -max_len=140000 \
            -artifact_prefix="$ROOT/build-fuzz/" \
            "$corpus/${target##*:}" 2>&1 | tail -n 1
    done
    rm -rf "$corpus"
}

# The tests of the cores and the command-line tool, none of which opens a window.
SANITIZED_TESTS=(
    scan_volume_test scan_loader_test export_formats_test com_ports_test receive_protocol_test
    view_state_test slice_renderer_test volume_upload_test print_composition_test print_page_marks_test
    cli_info_test cli_dump_test cli_render_test cli_three_d_test cli_export_test cli_receive_test
    cli_print_test cli_full_disk_test cli_limits_test desktop_thumbnailer_test
)

# Builds the cores, velmora-cli and their tests with the address and undefined
# behaviour sanitizers into build-sanitize/ and runs the tests there. Tests
# that provoke an allocation failure on purpose want the allocator to return
# null as the normal one does. Leaks are not checked: Qt keeps some of its
# own until the process ends.
run_sanitized_tests() {
    # shellcheck disable=SC2046
    cmake -S "$ROOT" -B "$ROOT/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_SANITIZE=ON \
        $(compiler_launcher) >/dev/null
    cmake --build "$ROOT/build-sanitize" --parallel "$(nproc)" \
        --target velmora-cli instrument-simulator "${SANITIZED_TESTS[@]}"
    local names
    names=$(IFS='|'; echo "${SANITIZED_TESTS[*]}")
    ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=0:abort_on_error=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$ROOT/build-sanitize" --output-on-failure --parallel "$(nproc)" -R "^($names)\$"
}
