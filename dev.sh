#!/usr/bin/env bash
# Sets up, builds and runs Sheetwise on Debian 12.
#
#   ./dev.sh start [CATALOG]   install what is missing, build, start the editor
#   ./dev.sh test              install what is missing, build, run every test
#   ./dev.sh bench             build in release mode and run the benchmarks
#   ./dev.sh sanitize          build with AddressSanitizer and UBSan, run every test
#   ./dev.sh fuzz [SECONDS]    build the fuzz targets with clang, run each for SECONDS (60)
#   ./dev.sh package           build the Debian package in release mode and validate it
#
# BUILD_DIR chooses the build folder (default: build). With CI=true warnings are errors.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev libbenchmark-dev python3-jsonschema)
BUILD_DIR=${BUILD_DIR:-build}

install_missing() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    local werror=OFF
    [ "${CI:-}" = "true" ] && werror=ON
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
        -DSHEETWISE_WERROR="$werror" "$@"
    cmake --build "$BUILD_DIR" -j "$(nproc)"
}

case "${1:-}" in
    start)
        shift
        install_missing
        configure_and_build
        exec "$BUILD_DIR/sheetwise" "$@"
        ;;
    test)
        # The tools the desktop-file tests ask for their verdicts (they skip without them).
        PACKAGES+=(shared-mime-info desktop-file-utils appstream libxml2-utils)
        install_missing
        configure_and_build
        QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
        ;;
    sanitize)
        install_missing
        BUILD_DIR=${BUILD_DIR}-sanitize BUILD_TYPE=Debug configure_and_build \
            -DSHEETWISE_SANITIZE=ON -DSHEETWISE_BENCHMARKS=OFF
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
            LSAN_OPTIONS=suppressions="$PWD/tests/lsan-suppressions.txt":print_suppressions=0 \
            UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            QT_QPA_PLATFORM=offscreen ctest --test-dir "${BUILD_DIR}-sanitize" --output-on-failure -j "$(nproc)"
        ;;
    fuzz)
        PACKAGES+=(clang libclang-rt-14-dev)
        install_missing
        FUZZ_BUILD_DIR=${BUILD_DIR}-fuzz fuzz/run.sh "${2:-60}"
        ;;
    package)
        PACKAGES+=(dpkg-dev file lintian desktop-file-utils appstream shared-mime-info)
        install_missing
        # Debian's flags with all hardening, the package being what operators run. The optimisation
        # is Debian's -O2 rather than Release's -O3, at which g++ 12 warns falsely (-Wrestrict).
        export DEB_BUILD_MAINT_OPTIONS=hardening=+all
        BUILD_DIR=${BUILD_DIR}-package BUILD_TYPE=Release configure_and_build \
            -DSHEETWISE_TESTS=OFF -DSHEETWISE_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
            -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
            -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
        rm -f "${BUILD_DIR}-package"/sheetwise_*.deb
        (cd "${BUILD_DIR}-package" && cpack)
        deb=$(echo "${BUILD_DIR}-package"/sheetwise_*.deb)
        root=${BUILD_DIR}-package/deb-root
        rm -rf "$root" && dpkg-deb -x "$deb" "$root"
        lintian --pedantic -I --fail-on error,warning,info,pedantic "$deb"
        desktop-file-validate "$root"/usr/share/applications/*.desktop
        # The tree check validates the metainfo and that the desktop entry it launches is installed.
        # Offline, because the screenshot's address need not be reachable from a build machine.
        # Pedantic: a hint of any severity fails the package, as an error does.
        report=$(appstreamcli validate-tree --no-net --pedantic "$root")
        echo "$report"
        if grep -qE '^ *[EWIP]: ' <<<"$report"; then exit 1; fi
        # The catalogs' file type: update-mime-database reports what it cannot use in the file.
        mime=${BUILD_DIR}-package/mime-check
        rm -rf "$mime" && mkdir -p "$mime/mime/packages"
        cp "$root"/usr/share/mime/packages/sheetwise.xml "$mime/mime/packages/"
        complaints=$(XDG_DATA_HOME="$mime" update-mime-database "$mime/mime" 2>&1)
        [ -z "$complaints" ] || { echo "$complaints"; exit 1; }
        echo "Built $deb"
        ;;
    bench)
        install_missing
        BUILD_DIR=${BUILD_DIR}-release BUILD_TYPE=Release configure_and_build
        for bench in "${BUILD_DIR}-release"/*_bench; do
            "$bench" --benchmark_counters_tabular=true
        done
        # Whole processes, as scripts run sheetwise-cli: beside awk, and check's peak memory.
        python3 bench/cli_bench.py "${BUILD_DIR}-release/sheetwise-cli"
        ;;
    *)
        sed -n '2,11p' "$0"
        exit 2
        ;;
esac
