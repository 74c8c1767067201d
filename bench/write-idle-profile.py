#!/usr/bin/env python3
"""Writes the last-exit profile the idle benchmarks start the program with: reaction time 50,
the stick on the arrow keys, nothing else, and a target that does not exist (so nothing is typed
anywhere). Usage: write-idle-profile.py PATH/設定/前回.txt"""
import sys

lines = ["なし"] * 45
lines[30], lines[33], lines[36], lines[39] = "←", "→", "↑", "↓"
lines += ["50", "1", "idle", "no such window"]
with open(sys.argv[1], "wb") as f:
    for v in lines:
        f.write(('"' + v + '"\r\n').encode("cp932"))
