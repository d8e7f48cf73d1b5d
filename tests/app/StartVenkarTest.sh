#!/usr/bin/env bash
# tools/start-venkar.sh starts the program only with a display and a
# terminal on standard input. A stand-in program records its start.
set -euo pipefail
script_under_test=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
marker=$work/started
cat > "$work/program" <<STANDIN
#!/bin/sh
echo "\$@" > "$marker"
STANDIN
chmod +x "$work/program"

fail() { echo "FAIL: $*"; exit 1; }

# No display: not started, even from a terminal.
env -u DISPLAY -u WAYLAND_DISPLAY script -qec "$script_under_test $work/program a.vsy" /dev/null \
  > "$work/out" || fail "no display: non-zero exit"
[ ! -e "$marker" ] || fail "started without a display"
grep -q "No display" "$work/out" || fail "no display: no explanation"

# A display, but input from a pipe (CI): not started.
DISPLAY=:99 "$script_under_test" "$work/program" a.vsy < /dev/null > "$work/out" \
  || fail "pipe: non-zero exit"
[ ! -e "$marker" ] || fail "started with input from a pipe"

# A display and a terminal: started with the files.
env -u WAYLAND_DISPLAY DISPLAY=:99 script -qec "$script_under_test $work/program a.vsy b.vla" \
  /dev/null > "$work/out" || fail "terminal: non-zero exit"
[ "$(cat "$marker")" = "a.vsy b.vla" ] || fail "not started with the files"
rm -f "$marker"

# Wayland alone counts as a display.
env -u DISPLAY WAYLAND_DISPLAY=wayland-0 script -qec "$script_under_test $work/program" \
  /dev/null > "$work/out" || fail "wayland: non-zero exit"
[ -e "$marker" ] || fail "not started under Wayland"
echo "ok"
