#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Takes docs/finished-run.png: the main window after a run of two files, one converted
and one that failed, with the end box over it.

Runs the built program on an X server of its own (Xvfb) in a program folder of its own,
so the build folder's settings stay as they are; needs xvfb, xdotool and x11-apps (xwd).
    python3 tools/screenshot-run.py [OUTPUT.png]
"""
import contextlib
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
BUILD = os.environ.get("BUILD", os.path.join(ROOT, "build"))
DISPLAY = os.environ.get("SHOT_DISPLAY", ":87")  # another one when that is taken
SCREEN = (1400, 1000)


def png(path, width, height, rows):
    """Writes 8-bit RGB rows (bytes) as a PNG file."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    raw = b"".join(b"\0" + row for row in rows)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def window_rows(window):
    """RGB rows of a window's picture, read by xwd."""
    dump = subprocess.run(["xwd", "-id", window, "-silent", "-display", DISPLAY],
                          capture_output=True, check=True).stdout
    header = struct.unpack(">25I", dump[:100])
    header_size, width, height, bytes_per_line = header[0], header[4], header[5], header[12]
    # Blue, green, red (and an unused byte at 32 bits), least significant byte first.
    step = header[11] // 8
    if step not in (3, 4) or header[7] != 0:
        sys.exit(f"xwd wrote a pixel layout this script does not read: {header}")
    pixels = dump[header_size + header[19] * 12:]
    rows = []
    for line in range(height):
        bgr = pixels[line * bytes_per_line:line * bytes_per_line + width * step]
        rows.append(bytes(b for i in range(0, len(bgr), step)
                          for b in (bgr[i + 2], bgr[i + 1], bgr[i])))
    return rows


def place(window):
    """x, y, width, height of a window on the screen."""
    geometry = dict(line.split("=") for line in
                    xdotool("getwindowgeometry", "--shell", window).splitlines())
    return tuple(int(geometry[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))


def xdotool(*args):
    return subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=DISPLAY),
                          capture_output=True, text=True).stdout.strip()


def wait_for_window(name, seconds=30):
    ends = time.monotonic() + seconds
    while time.monotonic() < ends:
        found = xdotool("search", "--onlyvisible", "--name", name)
        if found:
            return found.split()[0]
        time.sleep(0.2)
    sys.exit(f"no window named {name!r} appeared")


def program_folder(work):
    folder = os.path.join(work, "program")
    os.mkdir(folder)
    shutil.copy2(os.path.join(BUILD, "klevar"), folder)
    for name in ("fp.dll", "mp.dll", "ct.s3db", "skins", "help.chm", "plus.jpg", "loading.jpg"):
        os.symlink(os.path.realpath(os.path.join(BUILD, name)), os.path.join(folder, name))
    profiles = subprocess.run([os.path.join(folder, "klevar"), "--list-profiles"],
                              capture_output=True, text=True, check=True).stdout
    position = next(line.split("\t")[0] for line in profiles.splitlines()
                    if line.split("\t")[1] == "p006")
    out = os.path.join(work, "Converted")
    os.mkdir(out)
    with open(os.path.join(folder, "settings.dat"), "w") as settings:
        settings.write(f"[set]\nprofile={position}\noutputfolder={out}\n")
    return folder


def clips(work):
    good = os.path.join(work, "Holiday at the sea.avi")
    subprocess.run(["ffmpeg", "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                    "testsrc=size=1280x720:rate=25:duration=3", "-f", "lavfi", "-i",
                    "sine=duration=3", "-c:v", "mpeg4", "-q:v", "4", "-c:a", "mp3", good],
                   check=True)
    bad = os.path.join(work, "Damaged recording.avi")
    with open(bad, "wb") as f:
        f.write(os.urandom(20000))
    return [good, bad]


@contextlib.contextmanager
def session():
    """An X server on DISPLAY and a work folder of their own. Yields a function that starts
    the program there on the given files (made by a function of the work folder) and
    returns its main window once the files are probed. However the block ends, the
    program and the server are stopped and the folder is removed."""
    work = tempfile.mkdtemp(prefix="klevar-shot-")
    server = subprocess.Popen(["Xvfb", DISPLAY, "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
                               "-nolisten", "tcp"], stderr=subprocess.DEVNULL)
    program = None

    def start(make_files):
        nonlocal program
        folder = program_folder(work)
        env = dict(os.environ, DISPLAY=DISPLAY)
        env.pop("QT_QPA_PLATFORM", None)
        program = subprocess.Popen([os.path.join(folder, "klevar"), *make_files(work)], env=env,
                                   cwd=work)
        window = wait_for_window("^Klevar 4.50$")
        time.sleep(4)  # the files probed
        return window

    try:
        time.sleep(1)
        yield start
    finally:
        if program:
            program.send_signal(signal.SIGTERM)
            program.wait(20)
        server.terminate()
        server.wait(10)
        shutil.rmtree(work, ignore_errors=True)


def convert_now(window):
    xdotool("windowfocus", "--sync", window)
    xdotool("key", "--window", window, "ctrl+n")


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "docs", "finished-run.png")
    with session() as start:
        window = start(clips)
        convert_now(window)
        box_window = wait_for_window("^Klevar$", 120)  # the end box
        time.sleep(2)
        main_place = place(window)
        rows = window_rows(window)
        # The box over it, where the screen shows it.
        x, y = (a - b for a, b in zip(place(box_window)[:2], main_place[:2]))
        for line, box_row in enumerate(window_rows(box_window)):
            row = rows[y + line]
            rows[y + line] = row[:x * 3] + box_row + row[x * 3 + len(box_row):]
        png(output, main_place[2], main_place[3], rows)
        print(f"{output}: {main_place[2]}x{main_place[3]}")


if __name__ == "__main__":
    main()
