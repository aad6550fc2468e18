# SPDX-License-Identifier: GPL-3.0-or-later
"""Shared by the conversion benchmarks: a program folder of their own around a copy of
the built program, clips made by the encoder, and the profile list."""
import os
import shutil
import subprocess
import tempfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD = os.environ.get("BUILD", os.path.join(ROOT, "build"))
FFMPEG = shutil.which("ffmpeg") or "/usr/bin/ffmpeg"


class ProgramFolder:
    """A copy of build/klevar beside links to the child programs and the catalogue, so
    the benchmark's settings and statistics file never touch the build folder."""

    def __init__(self):
        self.tmp = tempfile.TemporaryDirectory(prefix="klevar-bench-")
        self.path = self.tmp.name
        shutil.copy2(os.path.join(BUILD, "klevar"), self.path)
        for name in ("mp.dll", "ct.s3db"):
            os.symlink(os.path.realpath(os.path.join(BUILD, name)), os.path.join(self.path, name))
        self.use_encoder(FFMPEG)

    def file(self, name):
        return os.path.join(self.path, name)

    def use_encoder(self, program):
        encoder = self.file("fp.dll")
        if os.path.lexists(encoder):
            os.remove(encoder)
        os.symlink(program, encoder)

    def klevar(self, *args):
        return [self.file("klevar"), *args]

    def environment(self):
        env = dict(os.environ)
        env.pop("DISPLAY", None)  # the command-line modes need none
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def profiles(self):
        """(position, key, text) of every chooser entry."""
        out = subprocess.run(self.klevar("--list-profiles"), env=self.environment(),
                             capture_output=True, text=True, check=True).stdout
        entries = []
        for line in out.splitlines():
            position, key, text = line.split("\t", 2)
            entries.append((int(position), key, text))
        return entries


def make_clip(path, seconds, size="640x480"):
    subprocess.run([FFMPEG, "-hide_banner", "-loglevel", "error", "-y",
                    "-f", "lavfi", "-i", f"testsrc=size={size}:rate=25:duration={seconds}",
                    "-f", "lavfi", "-i", f"sine=frequency=440:sample_rate=44100:duration={seconds}",
                    "-c:v", "mpeg4", "-q:v", "4", "-c:a", "mp3", path], check=True)


def streams(path):
    """Duration in seconds (or None) and the kinds of stream the encoder reads back."""
    report = subprocess.run([FFMPEG, "-hide_banner", "-i", path], capture_output=True,
                            text=True).stderr
    duration = None
    kinds = set()
    for line in report.splitlines():
        line = line.strip()
        if line.startswith("Duration:"):
            value = line.split(",")[0].split(" ", 1)[1]
            if value != "N/A":
                h, m, s = value.split(":")
                duration = int(h) * 3600 + int(m) * 60 + float(s)
        if line.startswith("Stream #"):
            for kind in ("Video", "Audio"):
                if f": {kind}:" in line:
                    kinds.add(kind.lower())
    return duration, kinds
