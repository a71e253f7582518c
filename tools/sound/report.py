#!/usr/bin/env python3
"""Sets what a recording of the sink holds against when each sound was asked for, and prints
for each sound: asked, heard, whole, and the onset (ask to first audible sample), median and
worst.

  report.py LABEL RECORDING START ASKS SOUNDS

RECORDING is 16-bit mono at 48 kHz of the sink's monitor, which hears a sample when the server
mixes it (a device adds its own buffer, the same for every player); its first sample was taken
at START (wall-clock seconds). ASKS has a line "seconds name" per sound
asked for; SOUNDS is the folder of the wave files. A sound asked for within 5 ms of the next is
cut off at once by the game's rule and not counted; one asked for while another plays cuts
that one off, which must then end within 10 ms of its own start."""

import array
import statistics
import sys
import wave

RATE = 48000
THRESHOLD = 300  # of 32767: far above a null sink's silence, below our sounds' quietest parts
BRIDGE = 0.003   # shorter dips inside a sound do not split it


def segments(samples, rate, start=0.0):
    found, begin, last = [], None, None
    bridge = int(BRIDGE * rate)
    for i, x in enumerate(samples):
        if abs(x) > THRESHOLD:
            if begin is None:
                begin = i
            elif i - last > bridge:
                found.append((begin, last))
                begin = i
            last = i
    if begin is not None:
        found.append((begin, last))
    return [[start + b / rate, start + (e + 1) / rate] for b, e in found]


def slack(length):
    """What a whole sound may lack at its quiet end after the server's resampling: a few ms,
    as paplay's copies of the same files show."""
    return min(0.010, 0.08 * length)


def audible(path):
    """How long the file sounds, by the same measure."""
    with wave.open(path) as w:
        samples = array.array("h", w.readframes(w.getnframes()))
        found = segments(samples[:: w.getnchannels()], w.getframerate())
    return found[-1][1] - found[0][0]


def main(label, recording, start, asks, sounds):
    samples = array.array("h")
    with open(recording, "rb") as f:
        samples.frombytes(f.read())
    heard = segments(samples, RATE, float(open(start).read()))
    asked = sorted((float(t), n) for t, n in (line.split() for line in open(asks) if line.strip()))
    asked = [a for i, a in enumerate(asked) if i + 1 == len(asked) or asked[i + 1][0] - a[0] >= 0.005]
    length = {}
    rows = {}
    claimed, claimed_ask = None, 0.0
    for i, (t, name) in enumerate(asked):
        if name not in length:
            length[name] = audible(f"{sounds}/{name}.wav")
        row = rows.setdefault(name, {"asked": 0, "heard": 0, "whole": 0, "onsets": []})
        row["asked"] += 1
        after = asked[i + 1][0] if i + 1 < len(asked) else float("inf")
        cut = after - t < length[name]
        seg = next((s for s in heard if t - 0.015 <= s[0] <= t + 0.25 and s is not claimed), None)
        if seg is None and claimed is not None and t < claimed[1]:
            # Joined to the sound it cut off: heard, and whole if it runs its length after it
            # began, taken to be as long after its ask as the sound it cut off was after its own.
            began = t + (claimed[0] - claimed_ask)
            row["heard"] += 1
            row["whole"] += claimed[1] - began >= length[name] - slack(length[name])
            continue
        if seg is None:
            continue
        claimed, claimed_ask = seg, t
        row["heard"] += 1
        row["onsets"].append((seg[0] - t) * 1000)
        if not cut:
            row["whole"] += seg[1] - seg[0] >= length[name] - slack(length[name])
        else:
            # Cut off: it must sound until the next one begins, joined to it or within 10 ms.
            nxt = next((s for s in heard if s[0] > seg[0] and s[0] >= after - 0.015), None)
            joined = seg[1] > after
            row["whole"] += joined or (nxt is not None and nxt[0] - seg[1] <= 0.010)
    for name, row in rows.items():
        onsets = row["onsets"]
        median = f"{statistics.median(onsets):6.1f}" if onsets else "     -"
        worst = f"{max(onsets):6.1f}" if onsets else "     -"
        print(f"{label:<22} {name:<9} {row['asked']:5} {row['heard']:5} {row['whole']:5}"
              f"   {median} ms {worst} ms")


if __name__ == "__main__":
    main(*sys.argv[1:])
