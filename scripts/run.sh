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
cli="$bin/tessera-cli"
echo "\$ tessera-cli new \"Line A\" --exe-folder $demo"
conf="$("$cli" new "Line A" --exe-folder "$demo")"
echo "$conf"
echo
echo "The program folder now holds the tool folders and the new configuration:"
(cd "$demo" && find . -mindepth 1 | sort | sed 's|^\./|  |')
for step in "params" "validate" "compile"; do
  echo
  echo "\$ tessera-cli $step \"$conf\""
  "$cli" $step "$conf" || true
done
echo
echo "Configuration files are in: $conf"
