#!/usr/bin/env python3
"""Start-up and memory benchmark of Veltora and Zenkla against a one-window Qt program built
from the same tree.

Measures, for each program and for two floors (an empty window, and one with a line of text),
the time from process start until its first window is exposed on screen and the peak resident
memory, alternating the programs over several runs; then Veltora's resident memory over 200
entries of each of its six practice and test windows (veltora_growth).
The runs are 0.3 s apart. Runs under Xvfb when available (a real X server), otherwise on the
offscreen platform.

    python3 bench/startup.py [build-dir] [runs] [entries]
"""
import os
import shutil
import statistics
import subprocess
import sys
import time

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
entries = int(sys.argv[3]) if len(sys.argv) > 3 else 200
FLOOR = "floor (one empty window)"
TEXT_FLOOR = "floor with one line of text"
PAUSE = 0.3  # seconds between runs
programs = {
    FLOOR: [os.path.join(build, "minimal_window")],
    TEXT_FLOOR: [os.path.join(build, "minimal_window"), "text"],
    "Veltora (26 windows)": [os.path.join(build, "veltora_startup")],
    "Zenkla": [os.path.join(build, "trainer", "zenkla_startup")],
}

env = dict(os.environ)
xvfb = None
if shutil.which("Xvfb"):
    display = ":97"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    env["DISPLAY"] = display
    env["QT_QPA_PLATFORM"] = "xcb"
    platform = "Xvfb"
else:
    env["QT_QPA_PLATFORM"] = "offscreen"
    platform = "offscreen"


def run_once(command):
    start = time.monotonic_ns()
    proc = subprocess.Popen([command[0], str(start)] + command[1:], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, env=env, cwd=build)
    out = proc.stdout.read()
    _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = status
    # Let the X server and the kernel finish with the program that just ended: started at once,
    # the next program shares the two cores with that clean-up and starts 30-40 ms later.
    time.sleep(PAUSE)
    return float(out.decode().strip()), usage.ru_maxrss / 1024.0


results = {name: ([], []) for name in programs}
try:
    for command in programs.values():  # warm the file cache
        run_once(command)
    for _ in range(runs):
        for name, command in programs.items():
            ms, mb = run_once(command)
            results[name][0].append(ms)
            results[name][1].append(mb)
    growth = subprocess.run([os.path.join(build, "veltora_growth"), str(entries)], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, env=env, cwd=build, check=True).stdout.decode()
finally:
    if xvfb:
        xvfb.terminate()

print(f"platform: {platform}, runs: {runs} each, median (min-max)")
for name, (times, mems) in results.items():
    print(f"{name:28s} start-up {statistics.median(times):7.1f} ms ({min(times):.1f}-{max(times):.1f})"
          f"   peak memory {statistics.median(mems):6.1f} MB")


def against(floor):
    floor_t = statistics.median(results[floor][0])
    floor_m = statistics.median(results[floor][1])
    for name, (times, mems) in results.items():
        if name not in (FLOOR, TEXT_FLOOR):
            print(f"{name} / {floor}: start-up {statistics.median(times) / floor_t:.2f}x "
                  f"(+{statistics.median(times) - floor_t:.1f} ms), "
                  f"memory difference: {statistics.median(mems) - floor_m:+.1f} MB")


against(FLOOR)
against(TEXT_FLOOR)
print()
print(growth, end="")
