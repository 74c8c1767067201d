#!/usr/bin/env python3
"""Writes the last-exit profile the idle benchmarks start the program with: reaction time 50,
the stick on the arrow keys, nothing else, and a target that does not exist (so nothing is typed
anywhere). With --auto-switch it also turns automatic switching on ("自動切替.txt" beside it), so
the copy listens for active-window changes.
Usage: write-idle-profile.py PATH/設定/前回.txt [--auto-switch]"""
import os
import sys

lines = ["なし"] * 45
lines[30], lines[33], lines[36], lines[39] = "←", "→", "↑", "↓"
lines += ["50", "1", "idle", "no such window"]
with open(sys.argv[1], "wb") as f:
    for v in lines:
        f.write(('"' + v + '"\r\n').encode("cp932"))
if "--auto-switch" in sys.argv[2:]:
    with open(os.path.join(os.path.dirname(sys.argv[1]), "自動切替.txt"), "wb") as f:
        f.write(b'"True"\r\n')
