#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Takes docs/time-left.png: the main window while a queue of three files converts, the
progress panel showing the speed and the time left of the file and of the queue.

Runs the built program on an X server of its own (Xvfb) in a program folder of its own,
with the helpers of screenshot-run.py; needs xvfb, xdotool and x11-apps (xwd).
    python3 tools/screenshot-timeleft.py [OUTPUT.png]
"""
import importlib.util
import os
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
found = importlib.util.spec_from_file_location(
    "shot", os.path.join(os.path.dirname(os.path.abspath(__file__)), "screenshot-run.py"))
shot = importlib.util.module_from_spec(found)
found.loader.exec_module(shot)
shot.DISPLAY = os.environ.get("SHOT_DISPLAY", ":93")


def clips(work):
    """Three files long enough that the panel has something to tell."""
    files = []
    for name, seconds in (("Holiday at the sea", 40), ("Birthday party", 25),
                          ("School concert", 60)):
        path = os.path.join(work, name + ".avi")
        subprocess.run(["ffmpeg", "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi",
                        "-i", f"testsrc=size=1280x720:rate=25:duration={seconds}", "-f", "lavfi",
                        "-i", f"sine=duration={seconds}", "-c:v", "mpeg4", "-q:v", "4",
                        "-c:a", "mp3", path], check=True)
        files.append(path)
    return files


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "docs", "time-left.png")
    with shot.session() as start:
        window = start(clips)
        shot.convert_now(window)
        time.sleep(float(os.environ.get("SHOT_AFTER", "9")))  # well into the first file
        x, y, width, height = shot.place(window)
        shot.png(output, width, height, shot.window_rows(window))
        print(f"{output}: {width}x{height}")


if __name__ == "__main__":
    main()
