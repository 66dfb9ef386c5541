#!/usr/bin/env bash
# Runs "$@" with an X display: the caller's $DISPLAY when set, else a private Xvfb on a
# free display number that is stopped again afterwards, whatever happens.
set -uo pipefail

if [[ -n "${DISPLAY:-}" ]]; then
  exec "$@"
fi

for n in $(seq 90 190); do
  [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [[ -e /tmp/.X11-unix/X$n ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$xvfb_pid" 2>/dev/null && [[ -e /tmp/.X11-unix/X$n ]]; then
    trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null' EXIT
    export DISPLAY=":$n"
    "$@"
    exit $?
  fi
done
echo "with-display: could not start Xvfb" >&2
exit 1
