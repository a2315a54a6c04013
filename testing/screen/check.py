#!/usr/bin/env python3
"""What a real display shows of Veltora and Zenkla.

Starts the real programs, as their main does, on a real display server, walks every route of the
table below, and after every step compares the pixels the display shows under the window on top
with what that window draws. The probe plugin (probe.cpp), loaded into the unchanged binaries,
reports the program's windows and writes what each one draws.

- X11 (Xvfb with the openbox window manager, with or without the xcompmgr compositing manager,
  at 1x or 2x scale): keys and clicks come from outside the process (xdotool); the display's
  pixels are Xvfb's frame buffer file (-fbdir), which is what a monitor or a remote viewer is
  sent. Screenshots taken with "xwd -root" are not a record of the screen: xwd puts its picture
  together window by window, and where a window lies inside another window of the same colormap
  it reads the area through the lower one, which shows black (or the lower window) there.
- Wayland (weston, headless, with its screenshot tool): Wayland lets no client send input to
  another, so the probe presses the keys and clicks inside the program; the pixels are weston's
  screenshot, where the window is found by its contents (Wayland keeps window positions from
  the clients).

    python3 check.py <setup> <build folder> [--shots <folder>]

--shots saves the README's screenshots, taken from the display, into <folder>.
"""
import json
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

SETUPS = {
    # name: display server, compositing manager, scale factor
    "x11": ("x11", False, 1),
    "x11-composited": ("x11", True, 1),
    "x11-scaled": ("x11", False, 2),
    "wayland": ("wayland", False, 1),
}

# Routes: (program, start folder, steps). A step is (action, expected) where action is one of
#   "key K"    a key (xdotool's names), "type T" typed text, "answer" the answer to the focused
#   box's problem as a screen reader gives it, "click T" a click on the control or menu item
#   captioned or named T (on the window on top first), "close" closing the window on top from
#   its title bar;
# and expected is a pattern of the name of the window that must then be on top ("exit" when the
# program must have ended), optionally followed by "|text" that must be shown in it;
# "|shot:F" saves the README's screenshot F.
# A route may also hold Until(windows, steps): the steps again and again until each of the
# windows has been on top, where which one comes up depends on the random problem.


class Until:
    def __init__(self, windows, steps, most=100):
        self.windows, self.steps, self.most = set(windows), steps, most


# Each kind of signed-number problem has its help page: problems are answered and their help
# opened until all four pages have been seen (one kind in eight opens Form12).
SIGNED_KINDS = Until({"Form10", "Form11", "Form12", "Form13"}, [
    ("answer", "Form8"), ("key Return", "Form8|Gerai"), ("click Pagalba", "Form1[0-3]"),
    ("click Image1", "Form8"), ("click Toliau", "Form8")])
ROUTES = [
    ("veltora", "build", [
        (None, "Form1|Veltoros uždaviniai 7 klasei|shot:veltora-menu.png"),
        ("key Return", "Form2"), ("click Teorija", "Form3"), ("click Toliau", "Form4"),
        ("click Toliau", "Form5"), ("click Toliau", "Form6"), ("click Toliau", "Form7"),
        ("click Pradžia", "Form2"), ("click Pratybos", "Form8"), ("answer", "Form8"),
        ("key Return", "Form8|Gerai|shot:veltora-practice.png"), ("key Return", "Form8"),
        SIGNED_KINDS,
        ("type 12345", "Form8"), ("key Return", "Form8|Blogai"),
        ("click Turinys", "Form1"), ("click BitBtn1", "Form2"),
        ("click Patikrinamasis darbas", "Form14"),
    ] + [("type 1", "Form14"), ("key Return", "Form14")] * 10 + [
        (None, "Form14|Įvertinimas:"), ("click Image1", "Form2"), ("click Turinys", "Form1"),
        ("click BitBtn2", "Form16"), ("click Teorija", "Form15"), ("click Toliau", "Form17"),
        ("click Pabraukti", "Form17"), ("click Atsakymas", "Form17"), ("click Toliau", "Form18"),
        ("click Pradžia", "Form16"), ("click Pratybos", "Form19"), ("answer", "Form19"),
        ("key Return", "Form19|Gerai"), ("click Pradžia", "Form16"),
        ("click Patikrinamasis darbas", "Form20"),
    ] + [("type a", "Form20"), ("key Return", "Form20")] * 10 + [
        (None, "Form20|Įvertinimas:"), ("click Image1", "Form16"), ("click Turinys", "Form1"),
        ("click BitBtn3", "Form21"), ("click Teorija", "Form22"), ("click Toliau", "Form23"),
        ("click Toliau", "Form24"), ("click Pabraukti", "Form24"), ("click Atsakymas", "Form24"),
        ("click Pradžia", "Form21"), ("click Pratybos", "Form25"), ("answer", "Form25"),
        ("key Return", "Form25|Gerai"), ("click Turinys", "Form1"), ("click BitBtn3", "Form21"),
        ("click Patikrinamasis darbas", "Form26"),
    ] + [("type 1", "Form26"), ("key Return", "Form26")] * 10 + [
        (None, "Form26|Įvertinimas:"), ("click Image1", "Form21"),
        # With nothing else on screen, the topic menu's exit picture ends the program.
        ("click Image1", "exit"),
    ]),
    # The empty-answer prompt, the error box when the reward pictures are missing, and the main
    # menu's exit picture, which ends the program whatever else is on screen.
    ("veltora", "empty", [
        (None, "Form1"), ("key Return", "Form2"), ("click Pratybos", "Form8"), ("key Return", "Form9"),
        ("close", "Form8"), ("answer", "Form8"), ("key Return", "QMessageBox|Cannot open file"), ("key Return", "Form8|Gerai"),
        ("click Pradžia", "Form2"), ("click Turinys", "Form1"), ("click Image1", "exit"),
    ]),
    ("zenkla", "empty", [
        (None, "Form1|Pasirinkau veiksmą ir lygį"), ("click Sudėtis", "Form1"),
        ("click Pasirinkau veiksmą ir lygį", "Form1"),
        ("type 99", "Form1"), ("key Return", "Form1|Turi būti|shot:zenkla-solution.png"),
        ("click Pagalba", "mnuPagalba"), ("click Apie", "Form2"), ("key Return", "Form1"),
        ("key ctrl+c", "Form1|Įrašykite savo vardą ir pavardę"),
        ("type " + "A" * 32, "Form3|Labai ilgas įrašas"), ("key Return", "Form1"),
        ("type Jonas Jonaitis", "Form1"), ("key Return", "Form1"),
        ("click Atimtis", "Form1"), ("click Pasirinkau veiksmą ir lygį", "Form1|Jonas Jonaitis"),
    ] + [("answer", "Form1"), ("key Return", "Form1"), ("key Return", "Form1")] * 8 + [
        ("type 1", "Form1"), ("key Return", "Form1"), ("key Return", "Form1"), ("answer", "Form1"),
        ("key Return", "Form1|Pažymys:|shot:zenkla-results.png"), ("click Toliau", "Form1"),
        ("key ctrl+q", "exit"),
    ]),
]
# Every window must have been on top at least once.
EVERY_WINDOW = {"veltora": {"Form%d" % n for n in range(1, 27)} | {"QMessageBox"},
                "zenkla": {"Form1", "Form2", "Form3", "mnuPagalba"}}

STEP_SECONDS = 6.0  # how long a step may take to reach the screen
STEP = ["starting"]  # the step under way, for the failure message
SETUP = ["screen"]  # the test's name, which starts its lines (the test command repeats them)


def fail(message):
    print("%s: FAIL at %s: %s" % (SETUP[0], STEP[0], message), flush=True)
    sys.exit(1)


def run(*args, env=None, check=True, binary=False):
    return subprocess.run(args, env=env, check=check, capture_output=True, text=not binary).stdout


STARTED = []  # every process the check starts, stopped at its end whatever happened


def start(args, **options):
    """Starts a process of the check. A server's output goes nowhere: a server left running
    would otherwise hold the test's output open, and CTest would wait for it."""
    options.setdefault("stdout", subprocess.DEVNULL)
    options.setdefault("stderr", subprocess.DEVNULL)
    STARTED.append(subprocess.Popen(args, **options))
    return STARTED[-1]


def stop(proc):
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def wait_for(condition, what, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if condition():
            return
        time.sleep(0.05)
    fail(what + " did not come up")


class X11:
    """An Xvfb server with its frame buffer in a file, openbox, and maybe xcompmgr."""

    def __init__(self, work, compositor, scale):
        self.scale = scale
        self.fbdir = os.path.join(work, "fb")
        os.makedirs(self.fbdir)
        read, write = os.pipe()
        size = "2560x1600x24" if scale == 2 else "1280x1024x24"
        start(["Xvfb", "-displayfd", str(write), "-screen", "0", size, "-nolisten", "tcp",
               "-fbdir", self.fbdir], pass_fds=[write])
        os.close(write)
        with os.fdopen(read) as f:
            number = f.readline().strip()
        if not number:
            fail("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number, QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR=str(scale))
        self.env.pop("WAYLAND_DISPLAY", None)
        start(["openbox"], env=self.env)
        wait_for(lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", env=self.env),
                 "openbox")
        if compositor:
            start(["xcompmgr"], env=self.env)
            time.sleep(0.5)

    def xdotool(self, *args):
        run("xdotool", *args, env=self.env)

    def before_start(self):
        self.xdotool("mousemove", "0", "0")  # the pointer is drawn into the screen's pixels

    def key(self, program, window, key):
        self.xdotool("key", key)

    def type(self, program, window, text):
        self.xdotool("type", "--delay", "15", "--", text)

    def close_window(self, program, window):
        self.xdotool("key", "alt+F4")  # openbox closes the active window

    def click(self, program, window, x, y):
        left, top = self.origin(window)
        # The pointer goes back to the corner after the click.
        self.xdotool("mousemove", str(left + x), str(top + y), "click", "1", "mousemove", "0", "0")

    def top_window(self, state, name):
        """An open menu, or the highest of the program's windows in the window manager's stacking."""
        popups = [w for w in state["windows"] if w["popup"]]
        if popups:
            return popups[-1]
        out = run("xprop", "-root", "_NET_CLIENT_LIST_STACKING", env=self.env)
        stacking = [int(w, 16) for w in out.split("#", 1)[-1].replace(",", " ").split()] if "#" in out else []
        windows = {int(w["id"]): w for w in state["windows"]}
        on_top = [windows[w] for w in stacking if w in windows]
        return on_top[-1] if on_top else None

    def origin(self, window, screen=None, drawn=None):
        """Where the window's inside begins on the screen (the program's own idea of it is
        rounded to whole pixels of its scale)."""
        out = run("xwininfo", "-id", window["id"], env=self.env)
        return tuple(int(line.split(":")[1]) for line in out.splitlines() if "Absolute upper-left" in line)

    def frame(self, window):
        """The window manager's frame around the window: left, right, top, bottom."""
        out = run("xprop", "-id", window["id"], "_NET_FRAME_EXTENTS", env=self.env, check=False)
        return tuple(int(v) for v in out.split("=", 1)[1].split(",")) if "=" in out else (0, 0, 0, 0)

    def screen(self):
        """The frame buffer: (width, height, bytes per line, pixels as B G R X bytes)."""
        with open(os.path.join(self.fbdir, "Xvfb_screen0"), "rb") as f:
            data = f.read()
        h = struct.unpack(">25I", data[:100])
        header_size, width, height, bits, bpl, ncolors = h[0], h[4], h[5], h[11], h[12], h[19]
        if bits != 32:
            fail("frame buffer of %d bits per pixel" % bits)
        start = header_size + 12 * ncolors
        return width, height, bpl, data[start:start + bpl * height]


class Wayland:
    """A headless weston that can take screenshots; the probe gives the program its input."""

    def __init__(self, work, compositor, scale):
        self.scale, self.work = scale, work
        runtime = os.path.join(work, "weston")
        os.makedirs(runtime, mode=0o700)
        # Qt's Wayland input method support asks the seat for its keyboard, which weston's
        # headless seat lacks: typing into a box would end the program. No input method here.
        self.env = dict(os.environ, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="screen-check",
                        QT_QPA_PLATFORM="wayland", QT_IM_MODULE="none")
        self.env.pop("DISPLAY", None)
        start(["weston", "--backend=headless-backend.so", "--use-pixman", "--socket=screen-check",
               "--width=1280", "--height=1024", "--idle-time=0", "--debug"], env=self.env)
        wait_for(lambda: os.path.exists(os.path.join(runtime, "screen-check")), "weston")

    def before_start(self):
        pass

    def key(self, program, window, key):
        program.command("key %s %s" % (window["id"], "+".join(k.capitalize() for k in key.split("+"))))

    def type(self, program, window, text):
        program.command("type %s %s" % (window["id"], text))

    def click(self, program, window, x, y):
        program.command("click %s %d %d" % (window["id"], x, y))

    def close_window(self, program, window):
        program.command("close %s" % window["id"])

    @staticmethod
    def top_window(state, name):
        """An open menu, or the window expected: weston's headless seat has no keyboard, so no
        window is ever active, and a client cannot learn the stacking. That the window is on
        top shows on the screen: a covered window's drawing is not found there."""
        popups = [w for w in state["windows"] if w["popup"]]
        expected = [w for w in state["windows"] if re.fullmatch(name, w["name"])]
        return (popups or expected or state["windows"] or [None])[-1]

    def origin(self, window, screen, drawn):
        """Wayland keeps window positions from the clients: the window is where its most varied
        row of pixels is found on the screen."""
        sw, sh, bpl, pixels = screen
        w, h = window["size"]
        rows = [drawn[r * 4 * w:(r + 1) * 4 * w] for r in range(h)]
        row = max(range(0, h, 4), key=lambda r: len({rows[r][i:i + 3] for i in range(0, 4 * w, 16)}))
        at = pixels.find(rows[row])
        while at >= 0 and at % 4:
            at = pixels.find(rows[row], at + 1)
        return (-1, -1) if at < 0 else ((at % bpl) // 4, at // bpl - row)

    @staticmethod
    def frame(window):
        return (0, 0, 0, 0)

    def screen(self):
        for old in os.listdir(self.work):
            if old.startswith("wayland-screenshot"):
                os.remove(os.path.join(self.work, old))
        subprocess.run(["weston-screenshooter"], cwd=self.work, env=self.env, check=True)
        shot = next(os.path.join(self.work, f) for f in os.listdir(self.work) if f.startswith("wayland-screenshot"))
        with open(shot, "rb") as f:
            width, height = struct.unpack(">II", f.read(24)[16:24])
        pixels = run("convert", shot, "-depth", "8", "bgra:-", binary=True)
        return width, height, 4 * width, pixels


def differing_pixels(screen, rect, drawn):
    """How many pixels of rect on the screen differ from the window's own picture."""
    sw, sh, bpl, pixels = screen
    x, y, w, h = rect
    if x < 0 or y < 0 or x + w > sw or y + h > sh:
        return w * h  # not wholly on the screen
    count = 0
    for row in range(h):
        a = pixels[(y + row) * bpl + 4 * x:(y + row) * bpl + 4 * (x + w)]
        b = drawn[row * 4 * w:(row + 1) * 4 * w]
        if a[0::4] == b[0::4] and a[1::4] == b[1::4] and a[2::4] == b[2::4]:
            continue
        count += sum(1 for i in range(0, 4 * w, 4) if a[i:i + 3] != b[i:i + 3])
    return count


def save_png(path, screen, rect):
    sw, sh, bpl, pixels = screen
    x, y, w, h = rect
    x, y = max(x, 0), max(y, 0)
    w, h = min(w, sw - x), min(h, sh - y)
    rows = bytearray()
    for r in range(y, y + h):
        line = pixels[r * bpl + 4 * x:r * bpl + 4 * (x + w)]
        rgb = bytearray(3 * w)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
        rows += b"\0" + rgb

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


class Program:
    """A real program with the probe plugin, started in a folder as its launcher would."""

    def __init__(self, display, build, name, folder, work):
        self.probe = os.path.join(work, "probe")
        os.makedirs(self.probe, mode=0o700)
        binary = os.path.join(build, "veltora" if name == "veltora" else "trainer/zenkla")
        cwd = build if folder == "build" else os.path.join(work, "empty")
        os.makedirs(cwd, exist_ok=True)
        env = dict(display.env, QT_PLUGIN_PATH=os.path.join(build, "probe"), QT_QPA_GENERIC_PLUGINS="screenprobe",
                   SCREENPROBE_DIR=self.probe, XDG_RUNTIME_DIR=display.env.get("XDG_RUNTIME_DIR", self.probe))
        display.before_start()
        # Its warnings are part of the test's output.
        self.proc = start([binary], cwd=cwd, env=env, stdout=None, stderr=None)
        self.seq = 0
        wait_for(lambda: os.path.exists(os.path.join(self.probe, "ready")) or self.proc.poll() is not None,
                 name + "'s probe")

    def state(self, command=""):
        """What the program holds on screen now, or None when it has ended; the probe first
        carries out the command, if one is given."""
        self.seq += 1
        with open(os.path.join(self.probe, "request"), "w") as f:
            f.write("%d\n%s" % (self.seq, command))
        try:
            self.proc.send_signal(signal.SIGUSR1)
        except ProcessLookupError:
            return None
        end = time.monotonic() + 5
        while time.monotonic() < end:
            if self.proc.poll() is not None:
                return None
            try:
                with open(os.path.join(self.probe, "state.json")) as f:
                    state = json.load(f)
                if state["seq"] == str(self.seq):
                    return state
            except (OSError, ValueError):
                pass
            time.sleep(0.01)
        fail("the program did not answer the probe")

    command = state

    def drawn(self, window):
        with open(os.path.join(self.probe, "win-%s.raw" % window["id"]), "rb") as f:
            return f.read()

    def stop(self):
        stop(self.proc)


def shown_texts(window):
    return [c.get("text", "") for c in window["controls"].values()] + [window["title"]]


def check(display, program, expected, shots):
    """Waits until the expected window is on top with the expected texts and the screen shows
    what it draws; returns the window and the program's state, or fails with what was seen."""
    name, *rest = expected.split("|")
    texts = [t for t in rest if not t.startswith("shot:")]
    shot = next((t[5:] for t in rest if t.startswith("shot:")), None)
    end = time.monotonic() + STEP_SECONDS
    seen = "nothing"
    while True:
        state = program.state()
        if name == "exit":
            if state is None:
                return None, None
            seen = "the program still running"
        elif state is None:
            fail("the program ended; expected " + name)
        else:
            top = display.top_window(state, name)
            if top is None:
                seen = "no window on top"
            elif not re.fullmatch(name, top["name"]):
                seen = top["name"] + " on top"
            elif not all(any(t in s for s in shown_texts(top)) for t in texts):
                seen = "%s without %s" % (name, texts)
            else:
                screen, drawn = display.screen(), program.drawn(top)
                x, y = display.origin(top, screen, drawn)
                w, h = top["size"]
                diff = differing_pixels(screen, (x, y, w, h), drawn)
                # A text cursor blinks, so a few pixels may differ between two moments.
                if diff <= 60 * display.scale * display.scale:
                    if top["cutOff"]:
                        fail("%s: text cut off in %s" % (name, ", ".join(top["cutOff"])))
                    if shot and shots:
                        left, right, top_edge, bottom = display.frame(top)
                        save_png(os.path.join(shots, shot), screen,
                                 (x - left, y - top_edge, w + left + right, h + top_edge + bottom))
                    return top, state
                seen = "%s on top, %d of %d pixels on the screen differ from what it draws" % (name, diff, w * h)
                if time.monotonic() > end:  # for looking at: what the screen showed, what was drawn
                    folder = os.path.dirname(program.probe)
                    save_png(os.path.join(folder, "screen.png"), screen, (x, y, w, h))
                    save_png(os.path.join(folder, "drawn.png"), (w, h, 4 * w, drawn), (0, 0, w, h))
                    seen += " (pictures in %s)" % folder
        if time.monotonic() > end:
            fail("expected %s, saw %s" % (expected, seen))
        time.sleep(0.05)


def act(display, program, action, top, state):
    verb, _, arg = action.partition(" ")
    if verb == "key":
        display.key(program, top, arg)
    elif verb == "type":
        display.type(program, top, arg)
    elif verb == "answer":
        if "answer" not in top:
            fail("no problem heard in %s's box %s" % (top["name"], top.get("focus")))
        display.type(program, top, top["answer"])
    elif verb == "click":
        # The control or window is looked for on the window on top first.
        windows = [top] + [w for w in reversed(state["windows"]) if w is not top]
        found = [(w, c["rect"]) for w in windows for n, c in w["controls"].items()
                 if (n == arg or c["text"] == arg) and c["enabled"]]
        if not found:
            fail("no control %s in %s" % (arg, top["name"]))
        # Near the left end, where an option button's circle is.
        window, (x, y, w, h) = found[0]
        display.click(program, window, x - window["rect"][0] + min(12 * display.scale, w // 2),
                      y - window["rect"][1] + h // 2)
    elif verb == "close":
        display.close_window(program, top)
    else:
        fail("unknown action " + action)


def walk(route, seen):
    """The steps of a route; an Until's steps are given while a window of it has not been seen."""
    for step in route:
        if not isinstance(step, Until):
            yield step
            continue
        for _ in range(step.most):
            if step.windows <= seen:
                break
            yield from step.steps
        else:
            fail("never on top after %d rounds: %s" % (step.most, ", ".join(sorted(step.windows - seen))))


def main():
    if len(sys.argv) < 3 or sys.argv[1] not in SETUPS:
        fail("usage: check.py {%s} <build folder> [--shots <folder>]" % ",".join(SETUPS))
    setup, build = sys.argv[1], os.path.abspath(sys.argv[2])
    shots = os.path.abspath(sys.argv[4]) if len(sys.argv) > 4 and sys.argv[3] == "--shots" else None
    server, compositor, scale = SETUPS[setup]
    SETUP[0] = "screen." + setup
    work = tempfile.mkdtemp(prefix="screen-")
    started = time.monotonic()
    steps = 0
    seen = {program: set() for program in EVERY_WINDOW}
    try:
        display = (X11 if server == "x11" else Wayland)(work, compositor, scale)
        for number, (name, folder, route) in enumerate(ROUTES, 1):
            program = Program(display, build, name, folder, os.path.join(work, str(number)))
            top = state = None
            for index, (action, expected) in enumerate(walk(route, seen[name]), 1):
                STEP[0] = "route %d (%s in %s) step %d: %s" % (number, name, folder, index, action or "start")
                if action:
                    act(display, program, action, top, state)
                top, state = check(display, program, expected, shots)
                if top:
                    seen[name].add(top["name"])
                steps += 1
            program.stop()
    finally:
        for proc in reversed(STARTED):
            stop(proc)
    for program, names in EVERY_WINDOW.items():
        if names - seen[program]:
            fail("%s: never on top: %s" % (program, ", ".join(sorted(names - seen[program]))))
    shutil.rmtree(work, ignore_errors=True)
    print("screen.%s: %d routes, %d steps, every window on top drawn on the screen as it draws "
          "itself, in %.1f s" % (setup, len(ROUTES), steps, time.monotonic() - started))


if __name__ == "__main__":
    main()
