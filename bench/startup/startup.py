#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Time from starting Klevar to its main window being shown, and its resident memory then.

Starts build/klevar several times on a private Xvfb display and watches the X server
(through libX11) for a viewable top-level window captioned "Klevar 4.50"; the moment it
appears is the end of the measurement, and VmRSS of the process is read at once.
"""
import ctypes
import ctypes.util
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

CAPTION = b"Klevar 4.50"
RUNS = int(os.environ.get("RUNS", "10"))


class Attributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("class_", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


def x11():
    lib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    lib.XOpenDisplay.restype = ctypes.c_void_p
    lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    lib.XDefaultRootWindow.restype = ctypes.c_ulong
    lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    lib.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                               ctypes.POINTER(ctypes.c_ulong),
                               ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                               ctypes.POINTER(ctypes.c_uint)]
    lib.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
    lib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(Attributes)]
    lib.XFree.argtypes = [ctypes.c_void_p]
    return lib


def window_shown(lib, display):
    root = lib.XDefaultRootWindow(display)
    r, p = ctypes.c_ulong(), ctypes.c_ulong()
    children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
    if not lib.XQueryTree(display, root, ctypes.byref(r), ctypes.byref(p),
                          ctypes.byref(children), ctypes.byref(count)):
        return False
    found = False
    for i in range(count.value):
        name = ctypes.c_char_p()
        if lib.XFetchName(display, children[i], ctypes.byref(name)) and name.value == CAPTION:
            attrs = Attributes()
            lib.XGetWindowAttributes(display, children[i], ctypes.byref(attrs))
            found = attrs.map_state == 2  # IsViewable
        if name.value is not None:
            lib.XFree(name)
        if found:
            break
    if children:
        lib.XFree(children)
    return found


def rss_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    program = os.path.join(here, "..", "..", "build", "klevar")
    if not os.path.exists(program):
        sys.exit("bench/startup: build the program first (./test.sh or tools/setup.sh)")
    display = ":97"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    lib = x11()
    conn = lib.XOpenDisplay(display.encode())
    if not conn:
        xvfb.kill()
        sys.exit("bench/startup: cannot open the benchmark's display")
    times, memory = [], []
    # Each run starts from the same state: a program folder without settings.dat.
    home = tempfile.mkdtemp()
    env = dict(os.environ, DISPLAY=display, HOME=home)
    env.pop("QT_QPA_PLATFORM", None)
    try:
        for run in range(RUNS + 1):
            start = time.perf_counter()
            child = subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL)
            while not window_shown(lib, conn):
                if child.poll() is not None:
                    sys.exit("bench/startup: klevar ended before showing its window")
                time.sleep(0.001)
            elapsed = (time.perf_counter() - start) * 1000.0
            rss = rss_mib(child.pid)
            child.terminate()
            child.wait()
            if run > 0:  # the first run warms the disk cache
                times.append(elapsed)
                memory.append(rss)
    finally:
        xvfb.kill()
        shutil.rmtree(home, ignore_errors=True)
    print(f"startup to shown window over {RUNS} runs: median {statistics.median(times):.0f} ms, "
          f"min {min(times):.0f} ms, max {max(times):.0f} ms (target < 300 ms)")
    print(f"resident memory when shown: median {statistics.median(memory):.1f} MiB, "
          f"max {max(memory):.1f} MiB (target < 80 MiB)")


if __name__ == "__main__":
    main()
