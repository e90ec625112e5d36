#!/usr/bin/env bash
# Wine for the Windows program's tests and runs, sourced by the scripts that need it: a prefix in
# the build tree, an X display and a warm wineserver. Every wait is bounded.
#   wine_env_start [--own-display]  prefix once, Xvfb unless DISPLAY is set (or always with the
#                                   flag), persistent wineserver, one warm-up run
#   wine_env_stop                   ends the wineserver and the Xvfb started here (trapped on EXIT)
#   wine_run PROGRAM ARGS...        runs a Windows program in that environment

lumvo1_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Never the user's own prefix in $HOME: the tests need a known, disposable one.
export WINEPREFIX="${LUMVO1_WINEPREFIX:-$lumvo1_root/build/wineprefix}"
# Debian's /usr/bin/wine would pick a 32-bit loader, which cannot run here.
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: nothing is downloaded and no installer dialog waits for an answer.
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_env_server_pid=""
wine_env_xvfb_pid=""

# The Polish code page (ACP 1250) for the narrow texts; set for Wine only, since glibc has no
# such locale here and the shell would warn.
wine_locale=(env LC_ALL=pl_PL.UTF-8 LANG=pl_PL.UTF-8)

wine_run() {
  "${wine_locale[@]}" "$WINELOADER" "$@"
}

# Creates the prefix once. Runs under a lock, since parallel tests may all find it missing.
wine_prefix_ensure() {
  local ready="$WINEPREFIX/.lumvo1-ready"
  [ -f "$ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock -w 300 9 || { echo "wine-env: prefix lock not acquired" >&2; exit 1; }
    [ -f "$ready" ] && exit 0
    echo "wine-env: creating the Wine prefix $WINEPREFIX" >&2
    timeout 180 "${wine_locale[@]}" DISPLAY= "$WINELOADER" wineboot.exe -i >/dev/null 2>&1
    # Without a window manager every hide or destroy of a top-level window waits about 2 s for
    # the manager's answer; unmanaged windows do not.
    timeout 60 env DISPLAY= "$WINELOADER" reg.exe add 'HKCU\Software\Wine\X11 Driver' \
      /v Managed /d N /f >/dev/null 2>&1
    timeout 60 "$WINESERVER" -w
    touch "$ready"
  ) 9>"$WINEPREFIX.lock"
}

wine_env_start_xvfb() {
  local number_file
  number_file=$(mktemp)
  # -displayfd picks a free display number: other processes on the machine may hold fixed ones.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  wine_env_xvfb_pid=$!
  local tries=0
  while [ ! -s "$number_file" ] && [ $tries -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  if [ ! -s "$number_file" ]; then
    rm -f "$number_file"
    echo "wine-env: Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$number_file")"
  rm -f "$number_file"
}

wine_env_start() {
  trap wine_env_stop EXIT
  wine_prefix_ensure || return 1
  if [ "${1:-}" = --own-display ] || [ -z "${DISPLAY:-}" ]; then
    wine_env_start_xvfb || return 1
  fi
  # A persistent server saves 1-2 s per process. It lingers at most 300 s after its last
  # client should this shell be killed before its trap runs.
  "$WINESERVER" -f -p300 </dev/null >/dev/null 2>&1 &
  wine_env_server_pid=$!
  # The first process after a fresh server start is slow; warm it up here, not in a test.
  # Its output goes nowhere: the services it starts keep their inherited descriptors open.
  timeout 60 "${wine_locale[@]}" "$WINELOADER" cmd.exe /c exit </dev/null >/dev/null 2>&1 || {
    echo "wine-env: warm-up run failed" >&2
    return 1
  }
}

wine_env_stop_pid() {
  local pid=$1 tries=0
  [ -n "$pid" ] || return 0
  kill "$pid" 2>/dev/null || return 0
  while kill -0 "$pid" 2>/dev/null && [ $tries -lt 50 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

wine_env_stop() {
  if [ -n "$wine_env_server_pid" ]; then
    # The services Wine started in this prefix outlive a killed server; -k ends them first.
    timeout 20 "$WINESERVER" -k 2>/dev/null || true
  fi
  wine_env_stop_pid "$wine_env_server_pid"
  wine_env_server_pid=""
  wine_env_stop_pid "$wine_env_xvfb_pid"
  wine_env_xvfb_pid=""
}
