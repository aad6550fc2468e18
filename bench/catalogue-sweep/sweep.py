#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every type of the shipped catalogue converts a two-second clip with sound, with the
type's default options, through `klevar --convert`; the output must read back (its
streams are found: some containers, SWF, keep no length), a video type must hold a video
stream, and an audio-only type (its video codec "N/A") sound and no video stream.

Types whose defaults name one of the newer codecs (x265, VP9, AV1, Opus) must also hold
that codec as the encoder's probe reads it (hevc, vp9, av1, opus; HEVC for Apple marked
hvc1), and for each of them a ten-second 1280x720 clip is converted with the type's
defaults at 1280x720 and the speed is printed against real time (target: 0.5x or more).

Prints one line per type, the speed table and a summary; exits 1 when a type fails.
ONLY=12,40 limits the sweep to those chooser positions; SPEED=0 skips the speed table.
WIDE=1 converts a 1280x720 clip instead and also fails a video type whose output does
not show 16:9 (frame size times sample aspect, 3 % tolerance): a player would show it
squeezed or stretched.

AWKWARD=1 runs every type over clips in the shapes real files come in (awkward.py): a
fractional length, 720x405, 4:3 without a stated pixel shape, 10-bit, 4:4:4, HDR10, HLG
and interlaced, and checks each output with ffprobe for its length, shape, pixel format,
colour tags and combing. Exceptions are named with their reason.
"""
import os
import resource
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "convert"))
from klevarbench import FFMPEG, ProgramFolder, make_clip, streams  # noqa: E402

FFPROBE = shutil.which("ffprobe") or os.path.join(os.path.dirname(FFMPEG), "ffprobe")
# Default codec value -> (codec name the probe reports, codec tag or None).
NEWER_VIDEO = {"x265": ("hevc", None), "x265 hvc1": ("hevc", "hvc1"), "vp9": ("vp9", None),
               "av1": ("av1", None)}
NEWER_AUDIO = {"opus": ("opus", None)}
SPEED_TARGET = 0.5
WIDE = os.environ.get("WIDE", "0") == "1"


def defaults(database, key):
    type_id = int(key[1:5])
    found = {}
    for table in ("videocodec", "videosize", "audiocodec"):
        row = database.execute(f"select {table} from {table} where typeid=? order by orders",
                               (type_id,)).fetchone()
        found[table] = row[0] if row else "N/A"
    return found


def expected_codecs(chosen):
    """(kind, codec, tag) the output must hold when the type's defaults name a newer
    codec; empty for every other type."""
    wanted = []
    video = NEWER_VIDEO.get(chosen["videocodec"].lower())
    audio = NEWER_AUDIO.get(chosen["audiocodec"].lower())
    if video:
        wanted.append(("video",) + video)
    if audio:
        wanted.append(("audio",) + audio)
    return wanted


def probed(path):
    """(kind, codec, tag) of each stream, as the encoder's own probe reads it."""
    out = subprocess.run([FFPROBE, "-v", "error", "-show_entries",
                          "stream=codec_type,codec_name,codec_tag_string", "-of", "csv=p=0",
                          path], capture_output=True, text=True).stdout
    found = []
    for line in out.splitlines():
        fields = line.split(",")
        if len(fields) >= 3:
            found.append((fields[1], fields[0], fields[2]))
    return found


def codec_problems(path, wanted):
    found = probed(path)
    problems = []
    for kind, codec, tag in wanted:
        if not any(k == kind and c == codec and (tag is None or t == tag) for k, c, t in found):
            shown = " ".join(f"{k}:{c}/{t}" for k, c, t in found) or "nothing"
            problems.append(f"no {kind} stream in {codec}{'/' + tag if tag else ''} ({shown})")
    return problems


def shape_problems(path):
    """The output's shape, and a problem when it does not show a 16:9 picture."""
    out = subprocess.run([FFPROBE, "-v", "error", "-select_streams", "v:0", "-show_entries",
                          "stream=width,height,sample_aspect_ratio", "-of", "csv=p=0", path],
                         capture_output=True, text=True).stdout.strip()
    out = out.splitlines()[0].split(",") if out else []
    if len(out) < 3:
        return "-", []
    width, height, sar = int(out[0]), int(out[1]), out[2]
    num, den = (int(x) for x in sar.split(":")) if ":" in sar else (0, 1)
    shown = width * (num / den if num and den else 1) / height
    shape = f"{width}x{height} SAR {sar}"
    if abs(shown / (16 / 9) - 1) > 0.03:
        return shape, [f"shows {shown:.3f}:1, not 16:9 ({shape})"]
    return shape, []


def children_cpu():
    """Processor seconds of the finished children and their own children (the encoder)."""
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


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


def check_type(folder, database, clip, out, position, key):
    """Converts the clip with the type's defaults; (problems, seconds, duration, kinds, and
    with WIDE the output's frame size and sample aspect)."""
    started = time.monotonic()
    code, status, output, why = sweep_one(folder, clip, out, position)
    seconds = time.monotonic() - started
    duration, kinds = streams(output) if output and os.path.exists(output) else (None, set())
    chosen = defaults(database, key)
    problems = []
    if code != 0 or status != "OK":
        problems.append(f"{status} (exit {code}): {why}")
    elif not kinds:
        problems.append("the output does not read back")
    elif chosen["videocodec"] == "N/A":
        if kinds != {"audio"}:
            problems.append("an audio-only type must hold sound and no video")
    elif "video" not in kinds:
        problems.append("no video stream")
    if not problems:
        problems += codec_problems(output, expected_codecs(chosen))
    shape = ""
    if not problems and WIDE and "video" in kinds:
        shape, wrong = shape_problems(output)
        problems += wrong
    return problems, seconds, duration, kinds, shape


def speed_folder(type_ids):
    """A program folder whose catalogue is the shipped one with 1280x720 as the only frame
    size of the given types, so each is measured at 720p with its other defaults."""
    folder = ProgramFolder()
    catalogue = folder.file("ct.s3db")
    shipped = os.path.realpath(catalogue)
    os.remove(catalogue)
    shutil.copyfile(shipped, catalogue)
    database = sqlite3.connect(catalogue)
    for type_id in type_ids:
        database.execute("delete from videosize where typeid=? and videosize<>'N/A'",
                         (type_id,))
        if database.execute("select count(*) from videosize where typeid=?",
                            (type_id,)).fetchone()[0] == 0:
            database.execute("insert into videosize (typeid, orders, videosize) "
                             "values (?, 1, '1280x720')", (type_id,))
    database.commit()
    database.close()
    return folder


def speed_table(newer, media, sweep_seconds):
    """Prints the speed of each newer type on a ten-second 1280x720 clip."""
    clip = os.path.join(media, "clip720.avi")
    make_clip(clip, 10, "1280x720")
    folder = speed_folder([int(key[1:5]) for _, key, _, _ in newer])
    load = os.getloadavg()
    print(f"\nSpeed against real time, 10 s 1280x720 clip with the type's defaults at 720p "
          f"({os.cpu_count()} cores, load {load[0]:.2f} {load[1]:.2f} {load[2]:.2f})")
    print(f"{'pos':>4s} {'type':48s} {'codecs':18s} {'720p':>7s} {'1 core':>7s}  "
          f"default size (2 s clip)")
    slow = []
    for position, key, text, chosen in newer:
        out = os.path.join(media, f"speed-{position}")
        started, cpu = time.monotonic(), children_cpu()
        code, status, _, why = sweep_one(folder, clip, out, position)
        speed = 10 / (time.monotonic() - started)
        # Against the processor time it took: the speed one free core would give, so a
        # lower bound for two whatever else the machine runs meanwhile.
        one_core = 10 / max(children_cpu() - cpu, 0.001)
        shutil.rmtree(out, ignore_errors=True)
        codecs = f"{chosen['videocodec']}+{chosen['audiocodec']}"
        own = f"{2 / sweep_seconds[position]:6.2f}x {chosen['videosize']:9s}"
        verdict = "" if max(speed, one_core) >= SPEED_TARGET else "  below target"
        if code != 0 or status != "OK":
            verdict = f"  FAIL {status}: {why}"
        print(f"{position:4d} {text[6:]:48.48s} {codecs:18.18s} {speed:6.2f}x {one_core:6.2f}x  "
              f"{own}"
              f"{verdict}", flush=True)
        if verdict:
            slow.append(position)
    load = os.getloadavg()
    print(f"{len(newer) - len(slow)} at {SPEED_TARGET}x or more (720p or 1 core), "
          f"{len(slow)} below "
          f"(load at the end {load[0]:.2f} {load[1]:.2f} {load[2]:.2f}); the times are "
          f"Klevar's whole run, probe and start included, so the encoder alone is faster")


def main():
    only = {int(x) for x in os.environ.get("ONLY", "").split(",") if x}
    if os.environ.get("AWKWARD", "0") == "1":
        from awkward import sweep_awkward  # noqa: E402
        sys.exit(sweep_awkward(only))
    folder = ProgramFolder()
    media = tempfile.TemporaryDirectory(prefix="klevar-sweep-")
    clip = os.path.join(media.name, "clip.avi")
    make_clip(clip, 2, "1280x720" if WIDE else "320x240")
    database = sqlite3.connect(folder.file("ct.s3db"))
    failures = []
    newer = []
    sweep_seconds = {}
    started = time.monotonic()
    types = [e for e in folder.profiles() if e[1].startswith("p") and (not only or e[0] in only)]
    for position, key, text in types:
        out = os.path.join(media.name, str(position))
        problems, seconds, duration, kinds, shape = check_type(folder, database, clip, out,
                                                               position, key)
        chosen = defaults(database, key)
        if expected_codecs(chosen):
            newer.append((position, key, text, chosen))
            sweep_seconds[position] = seconds
        verdict = (f"ok {shape}" if shape else "ok") if not problems else "FAIL " + "; ".join(problems)
        shown = f"{duration:.2f} s" if duration else "-"
        print(f"{position:4d} {key:6s} {text:55.55s} {shown:>8s} {'+'.join(sorted(kinds)):12s} "
              f"{verdict}", flush=True)
        if problems:
            failures.append((position, text))
    print(f"{len(types) - len(failures)} passed, {len(failures)} failed "
          f"({time.monotonic() - started:.0f} s)")
    if newer and os.environ.get("SPEED", "1") != "0":
        speed_table(newer, media.name, sweep_seconds)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
