#!/usr/bin/env bash
# The main job: a simulated installation of Quorvi 98 in a private Wine prefix
# (both Word hosts, missing, demo and big dictionaries, the twelve setup
# programs side by side), then the setup program started as a user starts it.
#
#   ./demo.sh              the interactive run; on your display when DISPLAY
#                          is set (you click), else on a private Xvfb where
#                          the preselection is accepted and screenshots of
#                          the three dialogs are saved
#   ./demo.sh all          the same on a private Xvfb, with all twelve pairs
#                          chosen, timed from the confirmation to the report
#   ./demo.sh chained      "SetupUR.exe -i -8", then "-d -8", as an installer
#                          would run it
#   ./demo.sh screenshots  the three dialogs in English, Ukrainian and
#                          Russian, saved to docs/screenshots
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
mode=${1:-interactive}

tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target setup_programs demo_pilot >/dev/null

state=$root/build/demo
testbed=$root/tests/wine/testbed.sh
pilot=$root/build/win64/tools/demo/demo_pilot.exe
setup_dir="Z:$root/build/win64/setup"
markers=$state/markers
shots=$state/screenshots
mkdir -p "$state" "$shots"

# Waits for the pilot's marker of a dialog, photographs the dialog and lets
# the pilot go on.
photograph() {
  local name=$1 file=$2 geometry
  for _ in $(seq 1500); do
    [ -f "$markers/$name" ] && break
    kill -0 "$pilot_pid" 2>/dev/null || return 0
    sleep 0.02
  done
  [ -f "$markers/$name" ] || return 0
  geometry=$(tr -d '\r\n' <"$markers/$name")
  DISPLAY=$(cat "$state/testbed/display") import -window root -crop "$geometry" +repage "$file"
  touch "$markers/$name.shot"
  echo "screenshot: ${file#"$root"/}"
}

run_pilot() {   # run_pilot MODE LANGUAGE [SHOT_PREFIX]
  local pilot_mode=$1 language=$2 prefix=${3:-}
  rm -rf "$markers"
  mkdir -p "$markers"
  "$testbed" run "$state/testbed" "$pilot" "$pilot_mode" "$setup_dir" "Z:$markers" "$language" &
  pilot_pid=$!
  if [ -n "$prefix" ]; then
    photograph main "${prefix}main.png"
    photograph notice "${prefix}notice.png"
    photograph report "${prefix}report.png"
  fi
  wait "$pilot_pid"
}

case $mode in
interactive)
  if [ -n "${DISPLAY:-}" ]; then
    echo "Showing the setup on your display $DISPLAY."
    "$testbed" prefix "$state/testbed"
    WINEPREFIX=$state/testbed/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
      /usr/lib/wine/wine64 "$pilot" user "$setup_dir" "Z:$markers" E
  else
    echo "No display: running on a private Xvfb and accepting the preselection."
    "$testbed" up "$state/testbed" >/dev/null
    trap '"$testbed" down "$state/testbed"' EXIT
    run_pilot auto E "$shots/"
  fi
  ;;
all)
  "$testbed" up "$state/testbed" >/dev/null
  trap '"$testbed" down "$state/testbed"' EXIT
  run_pilot all E
  ;;
chained)
  "$testbed" up "$state/testbed" >/dev/null
  trap '"$testbed" down "$state/testbed"' EXIT
  run_pilot chained E
  ;;
screenshots)
  "$testbed" up "$state/testbed" >/dev/null
  trap '"$testbed" down "$state/testbed"' EXIT
  mkdir -p docs/screenshots
  for pair in E:en U:uk R:ru; do
    run_pilot auto "${pair%%:*}" "$root/docs/screenshots/${pair##*:}-" >/dev/null
  done
  ls docs/screenshots
  ;;
*)
  echo "usage: ./demo.sh [interactive|all|chained|screenshots]" >&2
  exit 2
  ;;
esac
