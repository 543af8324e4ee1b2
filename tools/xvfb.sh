# Sourced by the tools that need a display of their own.
# start_xvfb WIDTHxHEIGHT: starts Xvfb on a display number nobody uses,
# waits until it accepts clients, exports DISPLAY and sets xvfb_pid.
start_xvfb() {
    local display=90
    while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
        display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X${display}" ] && break
        sleep 0.1
    done
    export DISPLAY=":$display"
}
