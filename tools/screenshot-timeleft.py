#!/usr/bin/env python3
"""Takes docs/time-left.png: the main window while a queue of three files converts, the
progress panel showing the speed and the time left of the file and of the queue.

Runs the built program on an X server of its own (Xvfb) in a program folder of its own,
with the helpers of screenshot-run.py; needs xvfb, xdotool and x11-apps (xwd).
    python3 tools/screenshot-timeleft.py [OUTPUT.png]
"""
import importlib.util
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
found = importlib.util.spec_from_file_location(
    "shot", os.path.join(os.path.dirname(os.path.abspath(__file__)), "screenshot-run.py"))
shot = importlib.util.module_from_spec(found)
found.loader.exec_module(shot)
shot.DISPLAY = ":93"


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
    work = tempfile.mkdtemp(prefix="klevar-shot-")
    server = subprocess.Popen(["Xvfb", shot.DISPLAY, "-screen", "0",
                               f"{shot.SCREEN[0]}x{shot.SCREEN[1]}x24", "-nolisten", "tcp"],
                              stderr=subprocess.DEVNULL)
    program = None
    try:
        time.sleep(1)
        folder = shot.program_folder(work)
        env = dict(os.environ, DISPLAY=shot.DISPLAY)
        env.pop("QT_QPA_PLATFORM", None)
        program = subprocess.Popen([os.path.join(folder, "klevar"), *clips(work)], env=env,
                                   cwd=work)
        window = shot.wait_for_window("^Klevar 4.50$")
        time.sleep(4)  # the files probed
        shot.xdotool("windowfocus", "--sync", window)
        shot.xdotool("key", "--window", window, "ctrl+n")
        time.sleep(float(os.environ.get("SHOT_AFTER", "9")))  # well into the first file
        x, y, width, height = shot.place(window)
        shot.png(output, width, height, shot.window_rows(window))
        print(f"{output}: {width}x{height}")
    finally:
        if program:
            program.send_signal(signal.SIGTERM)
            program.wait(20)
        server.terminate()
        server.wait(10)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
