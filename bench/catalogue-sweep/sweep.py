#!/usr/bin/env python3
"""Every type of the shipped catalogue converts a two-second clip with sound, with the
type's default options, through `klevar --convert`; the output must read back (its
streams are found: some containers, SWF, keep no length), a video type must hold a video
stream, and an audio-only type (its video codec "N/A") sound and no video stream.

Prints one line per type and a summary; exits 1 when a type fails. ONLY=12,40 limits
the sweep to those chooser positions.
"""
import os
import sqlite3
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "convert"))
from klevarbench import ProgramFolder, make_clip, streams  # noqa: E402


def audio_only(database, key):
    rows = database.execute("select videocodec from videocodec where typeid=? order by orders",
                            (int(key[1:5]),)).fetchall()
    return not rows or rows[0][0] == "N/A"


def sweep_one(folder, clip, out, position):
    p = subprocess.run(folder.klevar("--convert", "--profile", str(position), "--output", out,
                                     clip),
                       env=folder.environment(), capture_output=True, text=True)
    lines = p.stdout.splitlines()
    fields = lines[0].split("\t") if lines else []
    status = fields[2] if len(fields) > 3 else "?"
    output = fields[3] if len(fields) > 3 else ""
    why = " / ".join(line.strip() for line in lines[1:]) or p.stderr.strip()
    return p.returncode, status, output, why


def main():
    only = {int(x) for x in os.environ.get("ONLY", "").split(",") if x}
    folder = ProgramFolder()
    media = tempfile.TemporaryDirectory(prefix="klevar-sweep-")
    clip = os.path.join(media.name, "clip.avi")
    make_clip(clip, 2, "320x240")
    database = sqlite3.connect(folder.file("ct.s3db"))
    failures = []
    started = time.monotonic()
    types = [e for e in folder.profiles() if e[1].startswith("p") and (not only or e[0] in only)]
    for position, key, text in types:
        out = os.path.join(media.name, str(position))
        code, status, output, why = sweep_one(folder, clip, out, position)
        duration, kinds = streams(output) if output and os.path.exists(output) else (None, set())
        problems = []
        if code != 0 or status != "OK":
            problems.append(f"{status} (exit {code}): {why}")
        elif not kinds:
            problems.append("the output does not read back")
        elif audio_only(database, key):
            if kinds != {"audio"}:
                problems.append("an audio-only type must hold sound and no video")
        elif "video" not in kinds:
            problems.append("no video stream")
        verdict = "ok" if not problems else "FAIL " + "; ".join(problems)
        shown = f"{duration:.2f} s" if duration else "-"
        print(f"{position:4d} {key:6s} {text:55.55s} {shown:>8s} {'+'.join(sorted(kinds)):12s} "
              f"{verdict}", flush=True)
        if problems:
            failures.append((position, text))
    print(f"{len(types) - len(failures)} passed, {len(failures)} failed "
          f"({time.monotonic() - started:.0f} s)")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
