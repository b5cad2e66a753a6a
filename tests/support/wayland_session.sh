#!/bin/bash
# A headless Wayland compositor with Xwayland, as an unprivileged user (sway refuses root):
#     wayland_session.sh sway|kwin|weston FOLDER
# sway comes with swaybar, whose tray is a StatusNotifierWatcher and host; weston's panel has no
# tray. Everything runs in FOLDER (HOME, XDG_RUNTIME_DIR) on a private session bus, in this
# script's process group; FOLDER/env holds the session's environment (one KEY=VALUE a line) once
# the compositor and its X server are up. Stop it by killing the process group.
set -u
kind=$1 root=$2
user=nobody group=nogroup
mkdir -p "$root"/{home,run}
chmod 700 "$root/run"
chmod 755 "$root"
chown -R "$user:$group" "$root/home" "$root/run"
if [ "$kind" = sway ]; then
    cat >"$root/config" <<CONF
xwayland enable
output HEADLESS-1 resolution 1280x800
exec echo "DISPLAY=\$DISPLAY" >$root/run/display
bar {
    position top
    tray_output *
}
CONF
    start="sway -c $root/config"
elif [ "$kind" = kwin ]; then
    # A copy without the file capabilities the package gives it: a container cannot grant them,
    # and the kernel then refuses to run it at all. The helper it starts tells Xwayland's display.
    cp /usr/bin/kwin_wayland "$root/kwin_wayland"
    printf '#!/bin/sh\necho "DISPLAY=$DISPLAY" >%s/run/display\n' "$root" >"$root/tell-display"
    chmod 755 "$root/kwin_wayland" "$root/tell-display"
    start="$root/kwin_wayland --virtual --xwayland --width 1280 --height 800 $root/tell-display"
else
    # --debug lets weston-screenshooter take pictures.
    start="weston --backend=headless-backend.so --use-pixman --xwayland --width=1280 --height=800 --debug"
fi
exec setpriv --reuid="$user" --regid="$group" --clear-groups \
    env -i PATH=/usr/bin:/bin HOME="$root/home" XDG_RUNTIME_DIR="$root/run" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    dbus-run-session -- bash -c '
    root=$1 kind=$2; shift 2
    "$@" >"$root/run/compositor.log" 2>&1 &
    for _ in $(seq 300); do
        [ -e "$XDG_RUNTIME_DIR/wayland-1" ] && break
        [ -e "$XDG_RUNTIME_DIR/wayland-0" ] && break
        sleep 0.1
    done
    socket=$(cd "$XDG_RUNTIME_DIR" && ls wayland-? | head -1)
    display=
    for _ in $(seq 300); do
        if [ "$kind" != weston ]; then
            [ -s "$root/run/display" ] && display=$(cut -d= -f2 "$root/run/display")
        else
            display=$(sed -n "s/.*xserver listening on display \(:[0-9]*\).*/\1/p" "$root/run/compositor.log" | head -1)
        fi
        [ -n "$display" ] && break
        sleep 0.1
    done
    printf "%s\n" "DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS" "WAYLAND_DISPLAY=$socket" \
        "DISPLAY=$display" "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" "HOME=$HOME" \
        "XDG_SESSION_TYPE=wayland" >"$root/run/env.tmp"
    # sway gives its socket to the programs it starts; the tests start theirs themselves.
    for socket in "$XDG_RUNTIME_DIR"/sway-ipc.*.sock; do
        [ -S "$socket" ] && echo "SWAYSOCK=$socket" >>"$root/run/env.tmp"
    done
    mv "$root/run/env.tmp" "$root/run/env"
    wait' bash "$root" "$kind" $start
