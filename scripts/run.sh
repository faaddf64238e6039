#!/usr/bin/env bash
# Installs what is missing, builds, and starts the configurator. Without a display
# it says so and runs a short headless demo of tessera-cli instead.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh" "$here/build-release" Release -DTESSERA_BUILD_TESTS=OFF -DTESSERA_BUILD_BENCH=OFF

bin="$here/build-release/src"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin/tessera"
fi

echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): the configurator needs one."
echo "Running the headless demo of tessera-cli instead."
echo
demo="$(mktemp -d)"
cli="$bin/cli/tessera-cli"
step() { echo; echo "\$ tessera-cli $*"; "$cli" "$@" || echo "(exit status $?)"; }

echo "\$ tessera-cli new \"Line A\" --exe-folder $demo"
conf="$("$cli" new "Line A" --exe-folder "$demo")"
echo "$conf"
step params "$conf" NTP_Server_URL=pool.ntp.org NTP_Poll_Time=600 PROFINET_NB_IN=100 PROFINET_NB_OUT=20
csv="$(mktemp --suffix=.csv)"
cat > "$csv" <<'CSV'
Enable,Type,Position,StartBit,Length,Name,ReadWrite,Swap,SwapWord,SwapAll,Mnemonic
Y,Boolean,0,0,1,Pump_Running,Read Only,N,N,N,Main pump running
Y,Int16,2,,2,Tank_Level,Read Only,N,N,N,Level in mm
Y,Float,4,,4,Flow_Setpoint,Read/Write,N,N,N,Flow in l/min
CSV
step vars import "$conf" "$csv"
step validate "$conf"
step compile "$conf"
step inspect "$conf/bin/bank2.bin"
step gsdml "$conf" --user-part demo
echo
echo "The program folder $demo now holds:"
(cd "$demo" && find . -mindepth 1 | sort | sed 's|^\./|  |')
echo
echo "The configuration's files are in: $conf"
