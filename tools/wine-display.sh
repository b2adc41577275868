# Sourced by the scripts that run Windows programs under Wine: Wine's
# processes, and the virtual X display when one was started, end with the
# script.
#
# start_display FOLDER starts Xvfb on the first free display number and
# sets DISPLAY to it, once Xvfb is ready to take connections: it writes the
# number into FOLDER/display (a file of this run only, so that an old number
# is never read) and its messages into FOLDER/xvfb.log.

xvfb=""
cleanup() {
  wineserver -k 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT
trap 'exit 1' INT TERM

start_display() {
  rm -f "$1/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$1/display" 2> "$1/xvfb.log" &
  xvfb=$!
  tries=0
  while [ ! -s "$1/display" ] && [ "$tries" -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  export DISPLAY=":$(cat "$1/display")"
}
