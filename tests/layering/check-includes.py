#!/usr/bin/env python3
"""Reads every #include of every file under src/ and fails on one that reaches across the layers.

- Logic (input, target, settings, sound, the interfaces at the top of platform/ and the null
  backend) includes no Qt, X11, SDL, Wayland or xkbcommon header, nothing of ui/ or app/, and no
  backend folder but null/.
- ui/ includes nothing of app/.
- A backend folder includes no other backend's folder, ui/ or app/; the shared Wayland connection
  and seat keymap excepted, which the KWin and GNOME backends build on.

Usage: check-includes.py SRC_DIR. Prints file:line and the rule broken for each offence.
"""
import os
import re
import sys

LOGIC = ("input", "target", "settings", "sound")
BACKENDS = ("x11", "wayland", "sdl", "kwin", "gnome", "null")
# Headers of one backend another backend may include.
SHARED_BACKEND_HEADERS = {
    "platform/wayland/WaylandConnection.h",
    "platform/wayland/SeatKeymap.h",
    "platform/wayland/ActiveWindowChanges.h",
}
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".c", ".cc", ".in")

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SYSTEM_LIBRARIES = [
    ("Qt", re.compile(r"^(Q[A-Z]\w*|Qt\w*(/.*)?|q[a-z0-9_]*\.h)$")),
    ("X11", re.compile(r"^(X11/|xcb/|Xlib|xcb\.h$)")),
    ("SDL", re.compile(r"^SDL")),
    ("Wayland", re.compile(r"^(wayland-|xkbcommon/)|-client-protocol\.h$")),
]


def layer_of(path):
    """The layer a path relative to src/ belongs to: 'logic', 'ui', 'app', 'backend:NAME' or None."""
    parts = path.split("/")
    if parts[0] in LOGIC:
        return "logic"
    if parts[0] in ("ui", "app"):
        return parts[0]
    if parts[0] == "platform":
        if len(parts) == 2 or parts[1] == "null":
            return "logic"
        if parts[1] in BACKENDS:
            return "backend:" + parts[1]
        return "logic"
    return None


def included_path(src, including_dir, name):
    """The included file relative to src/: beside the including file if it is there, else from src/."""
    beside = os.path.normpath(os.path.join(including_dir, name))
    if os.path.exists(beside) and os.path.commonpath([src, beside]) == src:
        return os.path.relpath(beside, src).replace(os.sep, "/")
    return os.path.normpath(name).replace(os.sep, "/")


def offence(layer, target, name):
    """Why including `name` (target: its path relative to src/) breaks the layers, or None."""
    target_layer = layer_of(target)
    if layer == "logic":
        for library, pattern in SYSTEM_LIBRARIES:
            if pattern.search(name):
                return f"logic includes {library}"
        if target_layer in ("ui", "app"):
            return f"logic includes {target_layer}/"
        if target_layer and target_layer.startswith("backend:"):
            return "logic includes a backend (only the interfaces of platform/)"
    elif layer == "ui":
        if target_layer == "app":
            return "ui includes app/"
    elif layer.startswith("backend:"):
        if target_layer in ("ui", "app"):
            return f"a backend includes {target_layer}/"
        if (target_layer and target_layer.startswith("backend:") and target_layer != layer
                and target not in SHARED_BACKEND_HEADERS):
            return f"backend {layer[8:]} includes backend {target_layer[8:]}"
    return None


def main():
    src = os.path.abspath(sys.argv[1])
    offences = 0
    files = 0
    for directory, folders, names in os.walk(src):
        folders.sort()
        for file_name in sorted(names):
            if not file_name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(directory, file_name)
            relative = os.path.relpath(path, src).replace(os.sep, "/")
            layer = layer_of(relative)
            if layer is None:
                continue
            files += 1
            with open(path, encoding="utf-8", errors="replace") as source:
                for number, line in enumerate(source, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    name = match.group(2).strip()
                    target = included_path(src, directory, name) if match.group(1) == '"' else name
                    rule = offence(layer, target, name)
                    if rule:
                        print(f"src/{relative}:{number}: {line.strip()}: {rule}")
                        offences += 1
    if files == 0:
        print(f"no source files under {src}")
        return 1
    print(f"{files} files read, {offences} includes across the layers")
    return 1 if offences else 0


if __name__ == "__main__":
    sys.exit(main())
