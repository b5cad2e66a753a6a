#!/bin/bash
# A GNOME Shell 43 session on a virtual X server with GLX, for the Linux host's tests:
#     gnome_shell_session.sh DISPLAY_NUMBER FOLDER debian|ubuntu
# Starts Xvfb, a stand-in system bus, a session bus, and gnome-session with the shell and the
# XSettings daemon, with the dock, desktop icons and AppIndicator extensions enabled the Debian
# way (in org.gnome.shell enabled-extensions) or the Ubuntu way (by the session mode, the list
# empty).
# Everything runs in FOLDER (HOME, XDG folders) and in this script's process group; FOLDER/env
# holds the session's environment once the bus is up. Stop it by killing the process group.
set -u
n=$1 root=$2 way=$3
mkdir -p "$root"/{home/Desktop,home/.themes,run,data/gnome-shell/modes,data/gnome-session/sessions,autostart,system-bus}
chmod 700 "$root/run"
export HOME=$root/home XDG_RUNTIME_DIR=$root/run XDG_CONFIG_HOME=$root/home/.config
export XDG_DATA_HOME=$root/home/.local/share XDG_STATE_HOME=$root/home/.local/state
export XDG_CACHE_HOME=$root/home/.cache XDG_DATA_DIRS=$root/data:/usr/local/share:/usr/share
Xvfb ":$n" -screen 0 1280x800x24 +extension GLX +extension RANDR -nolisten tcp -noreset \
    >"$root/xvfb.log" 2>&1 &
# gnome-shell stops at start when /run/systemd/seats exists and no system bus answers.
cat >"$root/system-bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>system</type><listen>unix:dir=$root/system-bus</listen>
<policy context="default"><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/><allow own="*"/><allow user="*"/></policy>
<auth>EXTERNAL</auth></busconfig>
CONF
dbus-daemon --config-file="$root/system-bus.conf" --nofork --print-address=1 \
    >"$root/system-address" 2>/dev/null &
dbus-daemon --session --address="unix:dir=$XDG_RUNTIME_DIR" --nofork --print-address=1 \
    >"$root/session-address" 2>/dev/null &
for _ in $(seq 100); do
    [ -s "$root/session-address" ] && [ -s "$root/system-address" ] && [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
done
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$root/session-address")
export DBUS_SYSTEM_BUS_ADDRESS=$(head -1 "$root/system-address")
export DISPLAY=:$n XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=x11 XDG_SESSION_DESKTOP=gnome
export DESKTOP_SESSION=gnome GDK_BACKEND=x11 NO_AT_BRIDGE=1 GSETTINGS_BACKEND=dconf
export CLUTTER_PAINT=disable-clipped-redraws
extensions='"dash-to-dock@micxgx.gmail.com", "ding@rastersoft.com", "ubuntu-appindicators@ubuntu.com"'
if [ "$way" = ubuntu ]; then
    echo "{\"parentMode\": \"user\", \"enabledExtensions\": [$extensions]}" \
        >"$root/data/gnome-shell/modes/swivlo-ubuntu.json"
    export GNOME_SHELL_SESSION_MODE=swivlo-ubuntu XDG_CURRENT_DESKTOP=ubuntu:GNOME
else
    gsettings set org.gnome.shell enabled-extensions "[$extensions]"
fi
# A plain background, no icons of its own: what the dock covers shows.
gsettings set org.gnome.desktop.background picture-uri "''"
gsettings set org.gnome.desktop.background primary-color "'#204a87'"
gsettings set org.gnome.shell.extensions.ding show-home false
gsettings set org.gnome.shell.extensions.ding show-trash false
gsettings set org.gnome.desktop.notifications show-banners false
# Straight to the desktop, not the overview the shell shows at start.
gsettings set org.gnome.shell.extensions.dash-to-dock disable-overview-on-startup true
printf '[GNOME Session]\nName=Swivlo test\nRequiredComponents=org.gnome.Shell;org.gnome.SettingsDaemon.XSettings;\n' \
    >"$root/data/gnome-session/sessions/swivlo.session"
for f in /etc/xdg/autostart/org.gnome.SettingsDaemon.XSettings.desktop*; do
    cp "$f" "$root/autostart/org.gnome.SettingsDaemon.XSettings.desktop"
done
export XDG_CONFIG_DIRS=$root/config:/etc/xdg
mkdir -p "$root/config/gnome-session"
ln -sfn "$root/data/gnome-session/sessions" "$root/config/gnome-session/sessions"
gnome-session --builtin --disable-acceleration-check --session=swivlo -a "$root/autostart" \
    >"$root/session.log" 2>&1 &
env | grep -E '^(DBUS_SESSION|DISPLAY|XDG_|HOME|GSETTINGS|GNOME_SHELL)' >"$root/env.new"
mv "$root/env.new" "$root/env"
wait
