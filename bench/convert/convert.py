#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Klevar's conversion of three one-minute clips against the very same encoder runs
started directly.

1. A recording pass: `klevar --convert` with a stand-in encoder that writes down each
   argument list it is given and then runs the real encoder.
2. The measured pass: `klevar --convert` with the real encoder: wall time (the probes
   included) and the processor time of Klevar's own process, read from /proc while it
   is a zombie (utime+stime: its own; cutime+cstime: its children's).
3. The direct pass: the recorded argument lists run one after the other with the real
   encoder, in the same current folder.

RUNS=n repeats passes 2 and 3 (alternating which goes first) and reports medians.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from klevarbench import FFMPEG, ProgramFolder, make_clip  # noqa: E402

RUNS = int(os.environ.get("RUNS", "2"))
SECONDS = int(os.environ.get("SECONDS", "60"))
TICK = os.sysconf("SC_CLK_TCK")


def choose_profile(folder):
    wanted = os.environ.get("PROFILE")
    entries = folder.profiles()
    if wanted:
        return next(e for e in entries if e[0] == int(wanted))
    return next(e for e in entries if e[1].startswith("p") and e[2].endswith("(*.mp4)"))


def record(folder, profile, clips, out):
    log = folder.file("recorded-args")
    wrapper = folder.file("recording-encoder")
    with open(wrapper, "w") as f:
        f.write("#!/bin/sh\n"
                f"printf '%s\\0' \"$@\" >> '{log}'\n"
                f"printf '\\n\\0' >> '{log}'\n"
                f"exec '{FFMPEG}' \"$@\"\n")
    os.chmod(wrapper, 0o755)
    folder.use_encoder(wrapper)
    subprocess.run(folder.klevar("--convert", "--profile", str(profile), "--output", out, *clips),
                   env=folder.environment(), check=True, stdout=subprocess.DEVNULL)
    folder.use_encoder(FFMPEG)
    runs, current = [], []
    for item in open(log, "rb").read().split(b"\0"):
        if item == b"\n":
            runs.append(current)
            current = []
        elif item:
            current.append(item.decode())
    # Only the conversions: what Klevar asks the encoder about the files is its own cost.
    return [r for r in runs if "-vstats_file" in r]


def klevar_pass(folder, profile, clips, out):
    start = time.monotonic()
    p = subprocess.Popen(folder.klevar("--convert", "--profile", str(profile), "--output", out,
                                       *clips),
                         env=folder.environment(), stdout=subprocess.PIPE, text=True)
    lines = p.stdout.read()
    os.waitid(os.P_PID, p.pid, os.WEXITED | os.WNOWAIT)
    wall = time.monotonic() - start
    fields = open(f"/proc/{p.pid}/stat").read().rsplit(")", 1)[1].split()
    own = (int(fields[11]) + int(fields[12])) / TICK
    children = (int(fields[13]) + int(fields[14])) / TICK
    code = p.wait()
    if code != 0:
        sys.exit(f"klevar --convert failed ({code}):\n{lines}")
    return wall, own, children


def direct_pass(folder, runs):
    for args in runs:  # the recorded outputs, or the encoder would ask to overwrite
        if os.path.exists(args[-1]):
            os.remove(args[-1])
    start = time.monotonic()
    cpu = 0.0
    for args in runs:
        p = subprocess.Popen([FFMPEG, *args], cwd=folder.path, stdin=subprocess.PIPE,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(p.pid, 0)
        p.returncode = os.waitstatus_to_exitcode(status)
        if p.returncode != 0:
            sys.exit(f"direct run failed: {args}")
        cpu += usage.ru_utime + usage.ru_stime
    return time.monotonic() - start, cpu


def main():
    folder = ProgramFolder()
    media = tempfile.TemporaryDirectory(prefix="klevar-bench-media-")
    clips = [os.path.join(media.name, f"clip{i}.avi") for i in (1, 2, 3)]
    for clip in clips:
        make_clip(clip, SECONDS)
    position, key, text = choose_profile(folder)
    print(f"profile {position} ({key}) {text}; {len(clips)} clips of {SECONDS} s, 640x480")
    runs = record(folder, position, clips, os.path.join(media.name, "recorded"))
    for args in runs:
        print("  " + " ".join(args))

    results = []
    for r in range(RUNS):
        out = os.path.join(media.name, f"klevar{r}")
        if r % 2 == 0:
            k = klevar_pass(folder, position, clips, out)
            d = direct_pass(folder, runs)
        else:
            d = direct_pass(folder, runs)
            k = klevar_pass(folder, position, clips, out)
        results.append((k, d))
        print(f"run {r + 1}: klevar {k[0]:.2f} s wall, own cpu {k[1] * 1000:.0f} ms, "
              f"children cpu {k[2]:.2f} s | direct {d[0]:.2f} s wall, encoder cpu {d[1]:.2f} s")

    kw = statistics.median(k[0] for k, _ in results)
    dw = statistics.median(d[0] for _, d in results)
    own = statistics.median(k[1] for k, _ in results)
    enc = statistics.median(d[1] for _, d in results)
    print(f"wall: klevar {kw:.2f} s, direct {dw:.2f} s, difference {100 * (kw / dw - 1):+.1f}% "
          f"(target within 5%)")
    print(f"klevar's own cpu {own * 1000:.0f} ms = {100 * own / enc:.2f}% of the encoder's "
          f"{enc:.2f} s (target under 2%)")


if __name__ == "__main__":
    main()
