# SPDX-License-Identifier: GPL-3.0-or-later
"""The catalogue sweep's awkward-clip mode (AWKWARD=1): every type of the shipped
catalogue converts, with its default options, clips in the shapes real files come in, and
each output is read back with ffprobe:

- length: within 0.3 s of the clip's own (a fraction of a second is not cut off);
- shape: the picture shows the clip's shape (frame size times pixel shape, 3 %);
- pixel format: 8-bit 4:2:0 for the lossy delivery codecs, 10-bit 4:2:0 for HEVC, VP9 and
  AV1 from an HDR clip; the lossless and intermediate codecs keep what they can;
- colour: an HDR clip in an 8-bit output is tone-mapped and tagged BT.709, HEVC, VP9 and
  AV1 keep its transfer;
- combing: the interlaced clip comes out with no frame the encoder's idet filter finds
  combed.

A result is "ok", an exception (a limit of the output format, named with its reason), or a
failure. Prints one line per type, then the exceptions and failures, then a summary.
"""
import json
import re
import os
import sqlite3
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "convert"))
from klevarbench import FFMPEG, ProgramFolder  # noqa: E402

FFPROBE = os.path.join(os.path.dirname(FFMPEG), "ffprobe")
SECONDS = 1.6
HDR10 = ["-pix_fmt", "yuv420p10le", "-c:v", "libx264", "-color_primaries", "bt2020",
         "-color_trc", "smpte2084", "-colorspace", "bt2020nc", "-c:a", "aac"]
# name, file, frame size, rate, the encoder's options that give the clip its shape
CLIPS = [
    ("fractional", "fraction.avi", "320x240", 25, ["-c:v", "mpeg4", "-c:a", "mp2"]),
    ("720x405", "odd.mpg", "720x405", 25, ["-c:v", "mpeg2video", "-c:a", "mp2"]),
    ("4:3 unstated", "divx3.avi", "320x240", 25,
     ["-vf", "setsar=0", "-c:v", "msmpeg4", "-c:a", "mp3"]),
    ("10-bit", "tenbit.mp4", "320x240", 25,
     ["-pix_fmt", "yuv420p10le", "-c:v", "libx264", "-c:a", "aac"]),
    ("4:4:4", "full.mp4", "320x240", 25, ["-pix_fmt", "yuv444p", "-c:v", "libx264", "-c:a", "aac"]),
    ("HDR10", "pq.mp4", "320x240", 25, HDR10),
    ("HLG", "hlg.mp4", "320x240", 25,
     [("arib-std-b67" if a == "smpte2084" else a) for a in HDR10]),
    # A 4:3 PAL DVD: 720x576 of pixels 16:15 wide.
    ("interlaced", "dvd.mpg", "720x576", 50,
     ["-vf", "interlace=scan=tff,setsar=16/15", "-c:v", "mpeg2video", "-flags", "+ildct+ilme",
      "-top", "1", "-b:v", "3M", "-c:a", "mp2"]),
]
KEEPS = {"mjpeg", "huffyuv", "ffv1", "gif"}          # lossless and intermediate codecs
KEEPS_HDR = {"hevc", "vp9", "av1"}
# Codecs that record no pixel shape: Klevar shows the picture in square pixels, inside
# black borders when the chosen size has another shape, so the picture's area is measured.
NO_SHAPE = {"flv1", "gif"}
NO_TAGS = "the output format records no colour tags"


def make_clips(media):
    clips = []
    for name, file, size, rate, making in CLIPS:
        path = os.path.join(media, file)
        subprocess.run([FFMPEG, "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                        # A white frame round the pattern, so that black borders tell.
                        f"testsrc=size={size}:rate={rate}:duration={SECONDS},"
                        "drawbox=c=white:t=4", "-f", "lavfi",
                        "-i", f"sine=frequency=440:sample_rate=44100:duration={SECONDS}",
                        *making, path], check=True)
        clips.append((name, path, probe(path)))
    return clips


def probe(path):
    """(duration or None, first video stream's entries or None, has audio)."""
    out = subprocess.run([FFPROBE, "-v", "error", "-show_streams", "-show_format", "-of", "json",
                          path], capture_output=True, text=True).stdout
    info = json.loads(out or "{}")
    streams = info.get("streams", [])
    video = next((s for s in streams if s.get("codec_type") == "video"
                  and not s.get("disposition", {}).get("attached_pic")), None)
    duration = info.get("format", {}).get("duration")
    length = float(duration) if duration not in (None, "N/A") else read_through(path)
    return (length, video, any(s.get("codec_type") == "audio" for s in streams))


def read_through(path):
    """The length of a file whose container records none (SWF): the time its streams
    reach when they are read to the end."""
    report = subprocess.run([FFMPEG, "-hide_banner", "-i", path, "-c", "copy", "-f", "null",
                             "-"], capture_output=True, text=True).stderr
    times = re.findall(r"time=(\d+):(\d\d):(\d\d(?:\.\d+)?)", report)
    if not times:
        return None
    h, m, s = times[-1]
    return int(h) * 3600 + int(m) * 60 + float(s)


def shown_shape(video):
    sar = video.get("sample_aspect_ratio", "0:1")
    num, den = (int(x) for x in sar.split(":")) if ":" in sar else (0, 1)
    return video["width"] * (num / den if num and den else 1) / video["height"]


def picture_shape(path):
    """Width over height of the picture within its black borders."""
    report = subprocess.run([FFMPEG, "-hide_banner", "-i", path, "-vf",
                             "cropdetect=limit=16:round=2:reset=0", "-an", "-f", "null", "-"],
                            capture_output=True, text=True).stderr
    areas = re.findall(r"crop=(\d+):(\d+):", report)
    return int(areas[-1][0]) / int(areas[-1][1]) if areas else None


def combed(path):
    report = subprocess.run([FFMPEG, "-hide_banner", "-i", path, "-vf", "idet", "-an", "-f",
                             "null", "-"], capture_output=True, text=True).stderr
    for line in report.splitlines():
        if "Multi frame detection:" in line:
            fields = line.split("TFF:")[1].split()
            return int(fields[0]) + int(fields[2])
    return None


def verdicts(clip, source, output, video_type):
    """(failures, exceptions) of one output."""
    name = clip
    src_length, src_video, _ = source
    length, video, _, path = output
    failures, exceptions = [], []
    if length is None or abs(length - src_length) > 0.3:
        failures.append(f"lasts {length} s of {src_length:.2f}")
    if not video_type:
        if video:
            failures.append("holds video")
        return failures, exceptions
    if not video:
        return failures + ["no video"], exceptions
    codec, pix = video["codec_name"], video.get("pix_fmt", "")
    want = shown_shape(src_video)
    shown = picture_shape(path) if codec in NO_SHAPE else shown_shape(video)
    if shown is None or abs(shown / want - 1) > 0.03:
        failures.append(f"shows {shown or 0:.3f}:1, not {want:.3f}:1")
    hdr = src_video.get("color_transfer") in ("smpte2084", "arib-std-b67")
    kept = hdr and (codec in KEEPS_HDR or codec == "ffv1")
    if codec not in KEEPS:
        wanted = "yuv420p10le" if kept else "yuv420p"
        if pix not in (wanted, wanted if kept else "yuvj420p"):
            failures.append(f"{pix}, not {wanted}")
    transfer = video.get("color_transfer", "unknown")
    wanted = src_video["color_transfer"] if kept else "bt709"
    if hdr and transfer != wanted:
        problem = f"transfer {transfer}, not {wanted}"
        if transfer == "unknown" and codec not in KEEPS_HDR:
            exceptions.append(f"{problem} ({NO_TAGS})")
        else:
            failures.append(problem)
    if src_video.get("field_order", "progressive") not in ("progressive", "unknown"):
        frames = combed(path)
        if frames != 0:
            failures.append(f"{frames} combed frames")
    return failures, [f"{name}: {e}" for e in exceptions]


def default_codec(database, key):
    row = database.execute("select videocodec from videocodec where typeid=? order by orders",
                           (int(key[1:5]),)).fetchone()
    return row[0] if row else "N/A"


def convert(folder, position, clips, out):
    p = subprocess.run(folder.klevar("--convert", "--profile", str(position), "--output", out,
                                     *[path for _, path, _ in clips]),
                       env=folder.environment(), capture_output=True, text=True)
    rows, current = [], None
    for line in p.stdout.splitlines():
        fields = line.split("\t")
        if len(fields) == 4:
            current = [fields[2], fields[3], []]
            rows.append(current)
        elif current:
            current[2].append(line.strip())
    return rows


def sweep_awkward(only):
    folder = ProgramFolder()
    media = tempfile.TemporaryDirectory(prefix="klevar-awkward-")
    clips = make_clips(media.name)
    database = sqlite3.connect(folder.file("ct.s3db"))
    types = [e for e in folder.profiles() if e[1].startswith("p") and (not only or e[0] in only)]
    print(f"{len(types)} types x {len(clips)} clips: " + ", ".join(c[0] for c in clips))
    started = time.monotonic()
    failed, noted = [], []
    for position, key, text in types:
        video_type = default_codec(database, key) != "N/A"
        rows = convert(folder, position, clips, os.path.join(media.name, str(position)))
        marks = []
        for i, (name, _, source) in enumerate(clips):
            if i >= len(rows) or rows[i][0] != "OK":
                why = " / ".join(rows[i][2]) if i < len(rows) else "no line"
                status = rows[i][0] if i < len(rows) else "?"
                failed.append(f"{position} {text[6:]}: {name}: {status}: {why}")
                marks.append("F")
                continue
            output = (*probe(rows[i][1]), rows[i][1])
            problems, exceptions = verdicts(name, source, output, video_type)
            failed += [f"{position} {text[6:]}: {name}: {p}" for p in problems]
            noted += [f"{position} {text[6:]}: {e}" for e in exceptions]
            marks.append("F" if problems else "e" if exceptions else ".")
        print(f"{position:4d} {text[6:]:52.52s} {''.join(marks)}", flush=True)
    if noted:
        print("\nExceptions (limits of the output format):")
        print("\n".join("  " + n for n in noted))
    if failed:
        print("\nFailures:")
        print("\n".join("  " + f for f in failed))
    print(f"\n{len(types)} types, {len(types) * len(clips)} conversions: {len(failed)} failures, "
          f"{len(noted)} exceptions ({time.monotonic() - started:.0f} s); "
          ". ok, e exception, F failure")
    return 1 if failed else 0
