#!/usr/bin/env python3
"""Writes the program's two sound effects into a folder:

    001.wav  the click: a short, soft blip that falls in pitch
    002.wav  the alert: a falling two-tone chime

Both are 16-bit PCM mono at 44100 Hz and well under 0.3 s. The output depends on nothing but this
script, so every build makes the same files.

Usage: make-effects.py OUTPUT_FOLDER
"""

import math
import os
import struct
import sys
import wave

RATE = 44100
FULL_SCALE = 32767


def envelope(t, length, attack, decay, release):
    """Raised-cosine attack, exponential decay, raised-cosine release to silence at the end.

    The soft edges keep the effect from starting or stopping with a pop."""
    gain = math.exp(-t / decay)
    if t < attack:
        gain *= 0.5 - 0.5 * math.cos(math.pi * t / attack)
    left = length - t
    if left < release:
        gain *= 0.5 - 0.5 * math.cos(math.pi * max(left, 0.0) / release)
    return gain


def click():
    """A blip gliding from 1500 Hz down to 900 Hz with a quick decay: 70 ms."""
    length = 0.07
    start, end = 1500.0, 900.0
    samples = []
    phase = 0.0
    for n in range(int(length * RATE)):
        t = n / RATE
        freq = end + (start - end) * math.exp(-t / 0.015)
        phase += 2.0 * math.pi * freq / RATE
        tone = math.sin(phase) + 0.2 * math.sin(2.0 * phase)
        samples.append(tone * envelope(t, length, attack=0.002, decay=0.018, release=0.012))
    return samples


def bell(t, freq):
    """A bell-like note: the fundamental with two quieter overtones."""
    w = 2.0 * math.pi * freq * t
    return math.sin(w) + 0.25 * math.sin(2.0 * w) + 0.08 * math.sin(3.0 * w)


def alert():
    """Two chime notes, E6 then A5, the second 100 ms after the first: 280 ms."""
    length = 0.28
    notes = [(0.0, 1318.5), (0.1, 880.0)]
    samples = []
    for n in range(int(length * RATE)):
        t = n / RATE
        value = 0.0
        for onset, freq in notes:
            if t >= onset:
                local = t - onset
                value += bell(local, freq) * envelope(local, length - onset, attack=0.003, decay=0.06, release=0.03)
        samples.append(value)
    return samples


def write(path, samples, peak):
    """Scales the samples so the loudest one reaches peak (of full scale) and writes the file."""
    loudest = max(abs(s) for s in samples) or 1.0
    scale = peak * FULL_SCALE / loudest
    frames = b"".join(struct.pack("<h", int(round(s * scale))) for s in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    folder = argv[1]
    os.makedirs(folder, exist_ok=True)
    write(os.path.join(folder, "001.wav"), click(), peak=0.4)
    write(os.path.join(folder, "002.wav"), alert(), peak=0.5)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
