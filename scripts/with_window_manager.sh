#!/usr/bin/env bash
# Runs a command on $DISPLAY with the openbox window manager managing it, as on
# a desktop: windows get frames, are placed by the manager and can be resized
# by it. Waits until openbox has taken the display before the command starts,
# and stops it afterwards. The command's exit status is the script's.
set -uo pipefail

openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  echo "openbox did not start on $DISPLAY" >&2
  kill "$wm" 2>/dev/null
  exit 1
fi

"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit $status
