# Sourced by the other scripts: installs the Debian packages Swivlo builds, runs and tests with.
swivlo_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-l10n-tools qt6-tools-dev libgl-dev libxkbcommon-dev
    nlohmann-json3-dev libx11-dev libxi-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    x11-xkb-utils
    zsh xvfb xauth trayer xdotool x11-utils fonts-dejavu-core fonts-inter
    dbus-daemon at-spi2-core python3-pyatspi
    desktop-file-utils appstream
    openbox wmctrl
    libglib2.0-dev libglib2.0-bin libxss-dev
    dconf-service dconf-gsettings-backend gsettings-desktop-schemas gnome-shell-common
)
# The real desktops the tests start headless: GNOME Shell with its dock, desktop icons and
# AppIndicator extensions; XFCE's settings, panel, desktop and power manager; KDE Plasma;
# Wayland compositors with and without a tray. Only ./scripts/test installs them.
swivlo_desktop_packages=(
    gnome-shell gnome-session gnome-settings-daemon gnome-shell-extension-dashtodock
    gnome-shell-extension-desktop-icons-ng gnome-shell-extension-appindicator libgl1-mesa-dri
    xfconf xfce4-settings xfwm4 xfce4-panel xfdesktop4 xfce4-power-manager greybird-gtk-theme
    gnome-themes-extra-data
    kwin-x11 plasma-workspace plasma-desktop kded5 libkf5globalaccel-bin powerdevil upower
    sway waybar weston kwin-wayland qt6-wayland grim
    python3-dbus python3-gi gir1.2-glib-2.0
    # dump_xsettings: the theme a desktop serves to every application.
    xsettingsd
    # A Qt 5 developer's machine: qtchooser's bare lrelease must not be the one the build runs.
    qtchooser
)
# Only ./scripts/package needs these: dpkg-shlibdeps for the package's dependencies, lintian.
swivlo_package_tools=(dpkg-dev lintian)

swivlo_install_deps() {
    local missing=()
    local p
    for p in "${swivlo_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures the tree in $1 once, with the extra CMake arguments that follow.
swivlo_configure() {
    local dir=$1
    shift
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" || return 1
    fi
}

# Builds the tree in $1 incrementally: the targets that follow, or everything.
swivlo_build() {
    local dir=$1
    shift
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$dir" "${targets[@]}" -- -j"$(nproc)"
}
