#!/usr/bin/env python3
"""Resident memory of programs by category, from copies of their /proc/PID/smaps, each column
beside the first (the reference, a bare Qt window) with its difference.
Usage: rss-breakdown.py NAME=SMAPS[:EXECUTABLE] … (the first is the reference)

Libraries SDL pulls in are those of libSDL2's ldd closure that the reference does not map."""
import os
import re
import subprocess
import sys
import unicodedata

CATEGORIES = ["heap, anonymous, stacks", "fonts", "Qt libraries and plugins", "SDL and its libraries",
              "X shared memory", "executable and module", "other libraries", "other files"]


def mappings(path):
    """(name, rss kB) for each mapping of an smaps file."""
    out, name = [], None
    header = re.compile(r"^[0-9a-f]+-[0-9a-f]+ \S+ \S+ \S+ \S+\s*(.*)$")
    with open(path) as f:
        for line in f:
            m = header.match(line)
            if m:
                name = m.group(1).strip()
            elif line.startswith("Rss:"):
                out.append((name, int(line.split()[1])))
    return out


def ldd_closure(library):
    try:
        text = subprocess.run(["ldd", library], capture_output=True, text=True, check=False).stdout
    except OSError:
        return set()
    return {os.path.realpath(m.group(1)) for m in re.finditer(r"=> (/\S+)", text)}


def category(name, own, sdl):
    base = os.path.basename(name)
    if not name or name in ("[heap]", "[stack]") or name.startswith("[anon") or name.startswith("[stack"):
        return CATEGORIES[0]
    if re.search(r"\.(ttf|otf|ttc|pcf(\.gz)?)$", base) or "fontconfig" in name:
        return CATEGORIES[1]
    if "memfd:xorg" in name or name.startswith("/SYSV") or name.startswith("/dev/shm/"):
        return CATEGORIES[4]
    if os.path.realpath(name) in own or base.startswith("rukcon"):
        return CATEGORIES[5]
    if base.startswith("libQt6") or "/qt6/plugins/" in name:
        return CATEGORIES[2]
    if base.startswith("libSDL2") or os.path.realpath(name) in sdl:
        return CATEGORIES[3]
    if ".so" in base:
        return CATEGORIES[6]
    return CATEGORIES[7]


def right(text, width):
    """Right-aligned in width columns, wide characters counted as two."""
    wide = sum(unicodedata.east_asian_width(c) in "WF" for c in text)
    return " " * max(width - len(text) - wide, 0) + text


def main():
    programs = []
    for arg in sys.argv[1:]:
        name, _, rest = arg.partition("=")
        smaps, _, executable = rest.partition(":")
        programs.append((name, mappings(smaps), {os.path.realpath(executable)} if executable else set()))
    reference_libs = {os.path.realpath(n) for n, _ in programs[0][1] if n and n.startswith("/")}
    sdl = set()
    for _, maps, _ in programs:
        for n, _ in maps:
            if n and os.path.basename(n).startswith("libSDL2"):
                sdl |= ldd_closure(n) - reference_libs
    totals = []
    for _, maps, own in programs:
        sums = dict.fromkeys(CATEGORIES, 0)
        for n, rss in maps:
            sums[category(n or "", own, sdl)] += rss
        totals.append(sums)
    head = "".join(right(p[0], 14) + ("" if i == 0 else f"{'+/-':>9}") for i, p in enumerate(programs))
    print(f"{'RSS 10 s after start (kB)':<28}{head}")
    for c in CATEGORIES + ["total"]:
        values = [sum(t.values()) if c == "total" else t[c] for t in totals]
        cells = "".join(f"{v:>14}" + ("" if i == 0 else f"{v - values[0]:>+9}") for i, v in enumerate(values))
        print(f"{c:<28}{cells}")


if __name__ == "__main__":
    main()
