// The window list, activation and keys for RUKコン on GNOME Shell, over D-Bus.
//
// It serves only the program installed beside it: for an extension in
// PREFIX/share/gnome-shell/extensions/UUID, a caller whose executable (/proc/PID/exe, the PID
// from the bus) is PREFIX/bin/rukcon. It evaluates nothing it is sent: numbers and flags only.
// While nobody uses it, it holds no timer, source or signal handler of its own.

// BUS_NAME, OBJECT_PATH, INTERFACE_NAME and PROGRAM_FROM_FOLDER (the executable's path relative
// to the extension's folder) come first in the made file, from the build.
const INTERFACE_VERSION = 1;
const INTERFACE_XML = `<node>
  <interface name="${INTERFACE_NAME}">
    <method name="Version"><arg type="u" direction="out"/></method>
    <method name="ListWindows"><arg type="a(tsbb)" name="windows" direction="out"/></method>
    <method name="Activate">
      <arg type="t" name="id" direction="in"/>
      <arg type="u" name="boundMs" direction="in"/>
      <arg type="b" name="focused" direction="out"/>
    </method>
    <method name="Key">
      <arg type="u" name="keysym" direction="in"/>
      <arg type="u" name="code" direction="in"/>
      <arg type="b" name="pressed" direction="in"/>
      <arg type="b" name="sent" direction="out"/>
    </method>
    <method name="WatchFocus"><arg type="b" name="on" direction="in"/></method>
    <signal name="FocusChanged">
      <arg type="t" name="id"/>
      <arg type="s" name="title"/>
      <arg type="b" name="own"/>
    </signal>
  </interface>
</node>`;

// An activation answers at the latest after this, whatever bound the caller asks for.
const LONGEST_ACTIVATION_MS = 1000;
// Evdev codes end at KEY_MAX; keysyms at the Unicode range's end.
const LAST_KEY_CODE = 0x2ff;
const LAST_KEYSYM = 0x110ffff;

const ORDINARY_WINDOW_TYPES = [Meta.WindowType.NORMAL, Meta.WindowType.DIALOG, Meta.WindowType.MODAL_DIALOG];

function reply(invocation, signature, values) {
    invocation.return_value(signature ? new GLib.Variant(signature, values) : null);
}

class RukconShell {
    constructor(extension) {
        this._folder = extension.path;
    }

    enable() {
        // Made now: a device made at the first key loses that key.
        // Later Shells (51) dropped Clutter's default backend; the stage's context has it.
        const backend = Clutter.get_default_backend?.() ?? global.stage.context.get_backend();
        this._keyboard = backend.get_default_seat().create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
        this._callers = new Map(); // unique bus name -> {pid, keys (Set), watching, nameWatch}
        this._activations = new Set();
        this._focusHandler = 0;
        this._titleHandler = 0;
        this._titleWindow = null;
        this._lastFocus = null;
        this._exported = Gio.DBusExportedObject.wrapJSObject(INTERFACE_XML, this);
        this._exported.export(Gio.DBus.session, OBJECT_PATH);
        this._nameId = Gio.bus_own_name_on_connection(Gio.DBus.session, BUS_NAME, Gio.BusNameOwnerFlags.NONE,
            null, null);
    }

    disable() {
        Gio.bus_unown_name(this._nameId);
        this._exported.unexport();
        for (const name of [...this._callers.keys()])
            this._forget(name);
        for (const activation of [...this._activations])
            this._settle(activation);
        this._followFocus(false);
        this._keyboard = null;
        this._exported = null;
    }

    // PREFIX/bin/rukcon from PREFIX/share/gnome-shell/extensions/UUID, compared by file identity,
    // so a symbolic link on either side does not matter.
    _isProgram(pid) {
        const identity = path => Gio.File.new_for_path(path).query_info('id::file', Gio.FileQueryInfoFlags.NONE, null)
            .get_attribute_string('id::file');
        try {
            return identity(`/proc/${pid}/exe`) === identity(GLib.build_filenamev([this._folder, PROGRAM_FROM_FOLDER]));
        } catch (e) {
            return false;
        }
    }

    // Runs serve(caller) for the program, and refuses anyone else. An accepted caller is
    // remembered until its connection closes; then the keys it left down are released.
    _authorize(invocation, serve) {
        const name = invocation.get_sender();
        const known = this._callers.get(name);
        if (known) {
            serve(known);
            return;
        }
        invocation.get_connection().call('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
            'GetConnectionUnixProcessID', new GLib.Variant('(s)', [name]), new GLib.VariantType('(u)'),
            Gio.DBusCallFlags.NONE, -1, null, (connection, result) => {
                let pid = 0;
                try {
                    [pid] = connection.call_finish(result).deepUnpack();
                } catch (e) {
                    pid = 0;
                }
                if (!this._exported || !pid || !this._isProgram(pid)) {
                    invocation.return_dbus_error('org.freedesktop.DBus.Error.AccessDenied',
                        'served only to the program installed beside this extension');
                    return;
                }
                let caller = this._callers.get(name);
                if (!caller) {
                    caller = {pid, keys: new Set(), watching: false, nameWatch: 0};
                    this._callers.set(name, caller);
                    caller.nameWatch = Gio.bus_watch_name_on_connection(connection, name,
                        Gio.BusNameWatcherFlags.NONE, null, () => this._forget(name));
                }
                serve(caller);
            });
    }

    _forget(name) {
        const caller = this._callers.get(name);
        if (!caller)
            return;
        this._callers.delete(name);
        Gio.bus_unwatch_name(caller.nameWatch);
        for (const key of caller.keys)
            this._sendKey(key, false);
        if (caller.watching)
            this._followFocus([...this._callers.values()].some(c => c.watching));
    }

    _windows() {
        const windows = global.display.list_all_windows().filter(
            w => ORDINARY_WINDOW_TYPES.includes(w.get_window_type()) && !w.is_skip_taskbar());
        return global.display.sort_windows_by_stacking(windows).reverse(); // front to back
    }

    VersionAsync(params, invocation) {
        this._authorize(invocation, () => reply(invocation, '(u)', [INTERFACE_VERSION]));
    }

    ListWindowsAsync(params, invocation) {
        this._authorize(invocation, caller => {
            const focus = global.display.focus_window;
            reply(invocation, '(a(tsbb))', [this._windows().map(
                w => [w.get_id(), w.get_title() ?? '', w === focus, w.get_pid() === caller.pid])]);
        });
    }

    // Answers once the window has the focus, or false when boundMs has passed first.
    ActivateAsync([id, boundMs], invocation) {
        this._authorize(invocation, () => {
            const window = this._windows().find(w => w.get_id() === id);
            if (!window) {
                reply(invocation, '(b)', [false]);
                return;
            }
            if (global.display.focus_window === window) {
                reply(invocation, '(b)', [true]);
                return;
            }
            if (window.minimized)
                window.unminimize();
            Main.activateWindow(window);
            if (global.display.focus_window === window || boundMs === 0) {
                reply(invocation, '(b)', [global.display.focus_window === window]);
                return;
            }
            const activation = {window, invocation, timeout: 0, handler: 0};
            activation.handler = global.display.connect('notify::focus-window', () => {
                if (global.display.focus_window === window)
                    this._settle(activation);
            });
            activation.timeout = GLib.timeout_add(GLib.PRIORITY_DEFAULT, Math.min(boundMs, LONGEST_ACTIVATION_MS),
                () => {
                    activation.timeout = 0;
                    this._settle(activation);
                    return GLib.SOURCE_REMOVE;
                });
            this._activations.add(activation);
        });
    }

    _settle(activation) {
        this._activations.delete(activation);
        global.display.disconnect(activation.handler);
        if (activation.timeout)
            GLib.source_remove(activation.timeout);
        reply(activation.invocation, '(b)', [global.display.focus_window === activation.window]);
    }

    // By keysym (code 0), which the layout must have, or by the evdev code of a real keyboard's key.
    KeyAsync([keysym, code, pressed], invocation) {
        this._authorize(invocation, caller => {
            const valid = code ? code <= LAST_KEY_CODE : keysym > 0 && keysym <= LAST_KEYSYM;
            if (!valid || !this._keyboard) {
                reply(invocation, '(b)', [false]);
                return;
            }
            const key = code ? `code ${code}` : `keysym ${keysym}`;
            if (pressed)
                caller.keys.add(key);
            else
                caller.keys.delete(key);
            this._sendKey(key, pressed);
            reply(invocation, '(b)', [true]);
        });
    }

    // key: "code N" or "keysym N", as KeyAsync names it.
    _sendKey(key, pressed) {
        const [kind, number] = key.split(' ');
        const state = pressed ? Clutter.KeyState.PRESSED : Clutter.KeyState.RELEASED;
        if (kind === 'code')
            this._keyboard.notify_key(GLib.get_monotonic_time(), Number(number), state);
        else
            this._keyboard.notify_keyval(GLib.get_monotonic_time(), Number(number), state);
    }

    WatchFocusAsync([on], invocation) {
        this._authorize(invocation, caller => {
            caller.watching = on;
            this._followFocus([...this._callers.values()].some(c => c.watching));
            reply(invocation, null);
        });
    }

    // Connected only while a caller watches: the focused window and its title.
    _followFocus(on) {
        if (!on) {
            if (this._focusHandler)
                global.display.disconnect(this._focusHandler);
            this._focusHandler = 0;
            this._watchTitle(null);
            this._lastFocus = null;
            return;
        }
        if (this._focusHandler)
            return;
        this._focusHandler = global.display.connect('notify::focus-window', () => this._focusChanged());
        this._watchTitle(global.display.focus_window);
        this._lastFocus = this._focusKey(global.display.focus_window);
    }

    _watchTitle(window) {
        if (this._titleWindow)
            this._titleWindow.disconnect(this._titleHandler);
        this._titleWindow = window;
        this._titleHandler = window ? window.connect('notify::title', () => this._focusChanged()) : 0;
    }

    _focusKey(window) {
        return window ? `${window.get_id()}\n${window.get_title() ?? ''}` : '';
    }

    _focusChanged() {
        const window = global.display.focus_window;
        if (window !== this._titleWindow)
            this._watchTitle(window);
        const key = this._focusKey(window);
        if (key === this._lastFocus)
            return;
        this._lastFocus = key;
        for (const [name, caller] of this._callers) {
            if (!caller.watching)
                continue;
            const values = window ? [window.get_id(), window.get_title() ?? '', window.get_pid() === caller.pid]
                : [0, '', false];
            Gio.DBus.session.emit_signal(name, OBJECT_PATH, INTERFACE_NAME, 'FocusChanged',
                new GLib.Variant('(tsb)', values));
        }
    }
}
