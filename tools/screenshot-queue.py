#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Takes docs/dropped-folder.png and docs/restored-queue.png: the main window with a
folder of clips added (given on the command line, which adds it as a drop does), then,
after the program was killed with SIGKILL in the middle of a run, the window of the next
start with the unconverted rows back.

Uses the session of tools/screenshot-run.py (Xvfb, xdotool, xwd).
    python3 tools/screenshot-queue.py [OUTPUT-FOLDER]
"""
import importlib.util
import os
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
screenshot_run = importlib.util.spec_from_file_location("shots", os.path.join(HERE, "screenshot-run.py"))
shots = importlib.util.module_from_spec(screenshot_run)
screenshot_run.loader.exec_module(shots)


def holiday_folder(work):
    top = os.path.join(work, "Holiday 2026")
    days = {"Day 1 - Beach": ["Morning swim.avi", "Sand castle.mp4"],
            "Day 2 - Old town": ["Market.mkv", "Cathedral bells.avi"],
            "Day 3 - Boat trip": ["Harbour.mp4"]}
    first = None
    for day, names in days.items():
        os.makedirs(os.path.join(top, day))
        for name in names:
            path = os.path.join(top, day, name)
            if first is None:
                subprocess.run(["ffmpeg", "-hide_banner", "-loglevel", "error", "-y", "-f",
                                "lavfi", "-i", "testsrc=size=640x480:rate=25:duration=20",
                                "-f", "lavfi", "-i", "sine=duration=20", "-c:v", "mpeg4",
                                "-q:v", "4", "-c:a", "mp3", path], check=True)
                first = path
            else:
                subprocess.run(["ffmpeg", "-hide_banner", "-loglevel", "error", "-y", "-i",
                                first, "-c", "copy", path], check=True)
        with open(os.path.join(top, day, "notes.txt"), "w") as notes:
            notes.write("what we saw\n")
    with open(os.path.join(top, "Day 1 - Beach", "sunset.jpg"), "wb") as picture:
        picture.write(b"\xff\xd8\xff")
    return [top]


def shoot(window, output):
    x, y, width, height = shots.place(window)
    shots.png(output, width, height, shots.window_rows(window))
    print(f"{output}: {width}x{height}")


def queue_rows(folder):
    try:
        with open(os.path.join(folder, "queue.dat"), encoding="utf-8") as f:
            return [line.rstrip("\n").split("\t") for line in f.readlines()[1:]]
    except OSError:
        return []


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(shots.ROOT, "docs")
    with shots.session() as start:
        window = start(holiday_folder)
        time.sleep(2)
        shoot(window, os.path.join(out, "dropped-folder.png"))

        program = shots.xdotool("getwindowpid", window)
        folder = os.path.dirname(os.path.realpath(f"/proc/{program}/exe"))
        shots.convert_now(window)
        ends = time.monotonic() + 120
        while time.monotonic() < ends:
            statuses = [row[4] for row in queue_rows(folder) if len(row) == 5]
            if statuses[:3] == ["OK", "OK", "Processing"]:
                break
            time.sleep(0.2)
        else:
            sys.exit(f"the run did not reach its third row: {queue_rows(folder)}")
        os.kill(int(program), signal.SIGKILL)
        time.sleep(1)

        env = dict(os.environ, DISPLAY=shots.DISPLAY)
        env.pop("QT_QPA_PLATFORM", None)
        again = subprocess.Popen([os.path.join(folder, "klevar")], env=env)
        try:
            window = shots.wait_for_window("^Klevar 4.50$")
            time.sleep(4)  # the rows probed again
            shoot(window, os.path.join(out, "restored-queue.png"))
        finally:
            again.send_signal(signal.SIGTERM)
            again.wait(20)


if __name__ == "__main__":
    main()
