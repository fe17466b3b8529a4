#!/usr/bin/env bash
# The benchmark: builds what it needs, measures the setup program and its
# package, and prints each figure beside its floor measured in the same run.
#
#   tools/benchmark.sh [RUNS]        RUNS timed runs per figure (default 15)
#
# Environment:
#   QV_BENCH_BUILD_ROOT  where the preset trees live (default: build, i.e.
#                        build/win64 and build/win32 as the presets make them);
#                        the benchmark's own files go to ROOT/bench
#
# Sizes come from the x86_64 and i686 builds, times from the x86_64 build
# under Wine, in a test bed of the benchmark's own (ROOT/bench/testbed), never
# a test run's. Times are medians; on a busy machine they move by tens of per
# cent from run to run. Nothing here is a test: no figure fails the script,
# only a run that did not do its job does.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
root=${QV_BENCH_BUILD_ROOT:-build}
mkdir -p "$root"
root=$(cd "$root" && pwd)
bench=$root/bench
bed=$bench/testbed
work=$bench/work

# --- What the build and the benchmark need (the latter: a host C compiler,
# zlib's headers and zip).
tools/install-deps.sh
missing=()
for p in gcc zlib1g-dev zip; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# --- Builds: both presets' setup programs, the Wine helpers, the native timer.
log=$bench/build.log
mkdir -p "$bench"
: >"$log"
step() {
    "$@" >>"$log" 2>&1 || { tail -n 30 "$log" >&2; echo "benchmark: failed: $*" >&2; exit 1; }
}
echo "building (log: $log) ..."
for preset in win64 win32; do
    step cmake --preset "$preset" -B "$root/$preset"
    step cmake --build "$root/$preset" --target setup_programs qv_empty
done
step cmake --build "$root/win64" --target qv_bench_programs
step gcc -O2 -Wall -Wextra -o "$bench/inflate_timer" tools/bench/inflate_timer.c -lz

w64=$root/win64
w32=$root/win32
compressor=$(sed -n 's/^QV_PACKAGE_COMPRESSOR:[A-Z]*=//p' "$w64/CMakeCache.txt")
dictionary=$w64/packages/qvUR.vt

# --- Sizes.
size() { stat -c %s "$1"; }
stub32=$(size "$w32/tools/qv_sfx.exe")
stub64=$(size "$w64/tools/qv_sfx.exe")
empty32=$(size "$w32/tools/bench/qv_empty.exe")
empty64=$(size "$w64/tools/bench/qv_empty.exe")
package32=$(size "$w32/packages/package_UR.bin")
package64=$(size "$w64/packages/package_UR.bin")
rm -f "$bench/reference.zip"
zip -q -9 -j "$bench/reference.zip" "$dictionary"
zip9=$(size "$bench/reference.zip")

# --- Times: the native inflate, then everything else inside one warm Wine.
inflate_line=$("$bench/inflate_timer" "$w64/packages/package_UR.bin" $((runs * 4 + 1)))
read -r _ inflate _ <<<"$inflate_line"

rm -rf "$work"
mkdir -p "$work"
cp "$w64"/setup/Setup??.exe "$w64"/tools/bench/qv_{empty,empty_gui,bench}.exe \
   "$w64/packages/package_UR.bin" "$dictionary" "$work/"
trap 'tests/wine/testbed.sh down "$bed" >/dev/null 2>&1 || true' EXIT
echo "starting the test bed ($bed) ..."
tests/wine/testbed.sh up "$bed" >/dev/null
echo "timing under Wine, $runs runs a figure (about $((runs * 4 + 20)) s) ..."
windows_work="Z:${work//\//\\}"
wine_figures=$(tests/wine/testbed.sh run "$bed" "$windows_work\\qv_bench.exe" "$windows_work" "$runs")

# --- The report.
figures=$bench/figures.txt
{
    echo "runs $runs"
    echo "machine $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), $(wine --version 2>/dev/null)"
    echo "compressor $compressor"
    echo "stub_i686 $stub32"
    echo "stub_x86_64 $stub64"
    echo "empty_i686 $empty32"
    echo "empty_x86_64 $empty64"
    echo "package_i686 $package32"
    echo "package_x86_64 $package64"
    echo "zip9 $zip9"
    echo "inflate $inflate"
    echo "inflate_runs $((runs * 4 + 1))"
    echo "setup_exe_i686 $w32/setup/SetupUR.exe"
    echo "setup_package_i686 $(size "$w32/packages/package_UR.bin")"
    echo "setup_exe_x86_64 $w64/setup/SetupUR.exe"
    echo "setup_package_x86_64 $(size "$w64/packages/package_UR.bin")"
    for code in EU ER UE UR RE RU GU GR UG RG EG GE; do
        echo "setup_i686_$code $(($(size "$w32/setup/Setup$code.exe") - $(size "$w32/packages/package_$code.bin")))"
        echo "setup_x86_64_$code $(($(size "$w64/setup/Setup$code.exe") - $(size "$w64/packages/package_$code.bin")))"
    done
    # The Wine figures: median, min, max, runs.
    echo "$wine_figures"
} >"$figures"
python3 tools/bench/report.py "$figures"
