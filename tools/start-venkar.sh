#!/usr/bin/env bash
# Starts the window program on the given files when someone can see and use
# it: a display is available (DISPLAY or WAYLAND_DISPLAY set) and standard
# input is a terminal. Otherwise (CI, a machine without a display, input from
# a pipe) it says why and ends at once.
#
#   tools/start-venkar.sh PROGRAM [FILE...]
set -euo pipefail

program=$1
shift

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: the window program is not started ($program $*)."
  exit 0
fi
if [ ! -t 0 ]; then
  echo "Standard input is no terminal: the window program is not started ($program $*)."
  exit 0
fi
echo "Starting $program $*"
exec "$program" "$@"
