"""A desktop's idle inhibitor on the session bus, recording what it is asked.

    inhibitor_service.py org.gnome.SessionManager | org.freedesktop.ScreenSaver |
                         org.freedesktop.PowerManagement  [FIRST_COOKIE | refuse]

Prints one line per event: "ready" once it owns the name, "inhibit COOKIE", "uninhibit COOKIE",
and "released COOKIE" when the holder of a cookie leaves the bus without giving it back, which
is how a desktop drops the inhibitor of a program that died. With "refuse" every Inhibit is
answered with an error ("refused"), as a desktop that does not allow it.
"""
import sys

from gi.repository import Gio, GLib

METHODS = {  # bus name: object path, interface, Inhibit's arguments, the method that undoes it
    "org.gnome.SessionManager":
        ("/org/gnome/SessionManager", "org.gnome.SessionManager", "susu", "Uninhibit"),
    "org.freedesktop.ScreenSaver":
        ("/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver", "ss", "UnInhibit"),
    # xfce4-power-manager's
    "org.freedesktop.PowerManagement":
        ("/org/freedesktop/PowerManagement/Inhibit", "org.freedesktop.PowerManagement.Inhibit",
         "ss", "UnInhibit"),
}


def main() -> None:
    name = sys.argv[1]
    path, interface, inhibit_args, uninhibit = METHODS[name]
    args = "".join(f'<arg type="{t}" direction="in"/>' for t in inhibit_args)
    xml = (f'<node><interface name="{interface}">'
           f'<method name="Inhibit">{args}<arg type="u" direction="out"/></method>'
           f'<method name="{uninhibit}"><arg type="u" direction="in"/></method>'
           '</interface></node>')
    holders = {}
    refuse = sys.argv[2:] == ["refuse"]
    next_cookie = [int(sys.argv[2]) if len(sys.argv) > 2 and not refuse else 1]

    def say(text):
        print(text, flush=True)

    def on_call(_conn, sender, _path, _iface, method, params, invocation):
        if method == "Inhibit" and refuse:
            say("refused")
            invocation.return_dbus_error("org.freedesktop.DBus.Error.AccessDenied",
                                         "Inhibiting is not allowed")
        elif method == "Inhibit":
            cookie = next_cookie[0]
            next_cookie[0] += 1
            holders[cookie] = sender
            say(f"inhibit {cookie}")
            invocation.return_value(GLib.Variant("(u)", (cookie,)))
        else:
            cookie = params.unpack()[0]
            holders.pop(cookie, None)
            say(f"uninhibit {cookie}")
            invocation.return_value(None)

    def on_owner_changed(_conn, _sender, _path, _iface, _signal, params):
        gone, _old, new = params.unpack()
        if new:
            return
        for cookie, holder in list(holders.items()):
            if holder == gone:
                del holders[cookie]
                say(f"released {cookie}")

    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    bus.register_object(path, Gio.DBusNodeInfo.new_for_xml(xml).interfaces[0], on_call)
    bus.signal_subscribe("org.freedesktop.DBus", "org.freedesktop.DBus", "NameOwnerChanged",
                         "/org/freedesktop/DBus", None, Gio.DBusSignalFlags.NONE,
                         on_owner_changed)
    Gio.bus_own_name_on_connection(bus, name, Gio.BusNameOwnerFlags.NONE,
                                   lambda *_: say("ready"), lambda *_: sys.exit(1))
    GLib.MainLoop().run()


if __name__ == "__main__":
    main()
