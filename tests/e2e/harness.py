"""A private X server, the Tolvane process on it, real input through XTest, and a small case runner.

Input goes through xdotool (XTest), window facts through xwininfo and xprop, pixels through
ImageMagick's import, which reads them from the X server. The one thing no command-line tool
sends is a window manager's close request, WM_DELETE_WINDOW; python3-xlib sends it here.
"""

import argparse
import importlib.util
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

from picture import Picture, centre_of

TOOLS = {"Xvfb": "xvfb", "xdotool": "xdotool", "xprop": "x11-utils", "xwininfo": "x11-utils",
         "import": "imagemagick"}
TITLE = "Tolvane"


class CheckFailed(AssertionError):
    pass


def wait_until(predicate, timeout, interval=0.02):
    """Polls predicate until it returns something true or the timeout passes; returns its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(interval)


def end_process(process):
    """Asks a process to end, and makes it end when it does not within five seconds."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class XServer:
    """An Xvfb of its own, 1024x768 in 24-bit colour, with no window manager."""

    def __init__(self):
        self.process = None
        self.display = None
        self.runtime_dir = None
        self.errors = None

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.errors = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=self.errors, start_new_session=True)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                got = pipe.read(1)
                if not got:
                    self.errors.seek(0)
                    raise RuntimeError("Xvfb ended before it reported its display: "
                                       + self.errors.read().decode(errors="replace"))
                number += got
        self.display = ":" + number.decode().strip()
        # A desktop session has a private runtime folder; the toolkit complains without one.
        self.runtime_dir = tempfile.mkdtemp(prefix="tolvane-e2e-runtime-")
        return self

    def __exit__(self, *exc):
        if self.runtime_dir:
            shutil.rmtree(self.runtime_dir, ignore_errors=True)
        if self.errors:
            self.errors.close()
        if self.process:
            end_process(self.process)

    def env(self):
        env = {k: v for k, v in os.environ.items()
               if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                            "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING", "XAUTHORITY")}
        env["DISPLAY"] = self.display
        env["XDG_RUNTIME_DIR"] = self.runtime_dir
        return env

    def run(self, *args, check=True):
        result = subprocess.run(list(args), env=self.env(), capture_output=True, timeout=20)
        if check and result.returncode != 0:
            raise RuntimeError(f"{' '.join(args)} failed ({result.returncode}): "
                               f"{result.stderr.decode(errors='replace')}")
        return result.stdout.decode(errors="replace")

    def windows_titled(self, title):
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$"],
                                env=self.env(), capture_output=True, timeout=20)
        return [int(w) for w in result.stdout.split()]

    def xlib(self):
        from Xlib import display  # python3-xlib
        return display.Display(self.display)


class App:
    """One Tolvane process and its window."""

    def __init__(self, server, program, log_path, args=(), env=None):
        self.server = server
        self.log_path = log_path
        self.log = open(log_path, "wb")
        self.process = subprocess.Popen([program, *args], env=dict(server.env(), **(env or {})),
                                        stdin=subprocess.DEVNULL, stdout=self.log, stderr=subprocess.STDOUT)
        self.window = None

    def find_window(self, timeout=15):
        """Waits for exactly one visible window with the title; returns its id."""
        wait_until(lambda: self.server.windows_titled(TITLE) or self.process.poll() is not None, timeout, 0.05)
        if self.process.poll() is not None:
            raise CheckFailed(f"Tolvane ended with status {self.process.returncode} before showing a window; "
                              f"output: {self.output()!r}")
        windows = self.server.windows_titled(TITLE)
        if len(windows) != 1:
            raise CheckFailed(f"expected one visible window titled {TITLE!r}, found {len(windows)}")
        self.window = windows[0]
        return self.window

    def output(self):
        self.log.flush()
        with open(self.log_path, "rb") as f:
            return f.read().decode(errors="replace")

    # Facts about the window.

    def geometry(self):
        info = self.server.run("xwininfo", "-id", str(self.window))
        fields = dict(re.findall(r"^\s*([A-Za-z -]+):\s+(.*)$", info, re.M))
        return {"x": int(fields["Absolute upper-left X"]), "y": int(fields["Absolute upper-left Y"]),
                "width": int(fields["Width"]), "height": int(fields["Height"]), "map_state": fields["Map State"]}

    def prop(self, name):
        return self.server.run("xprop", "-id", str(self.window), name)

    # Pixels.

    def grab(self):
        """The window's client pixels as the X server has them now."""
        taken = time.monotonic()
        data = subprocess.run(["import", "-silent", "-window", str(self.window), "-depth", "8", "ppm:-"],
                              env=self.server.env(), capture_output=True, timeout=20)
        if data.returncode != 0:
            raise RuntimeError(f"import failed: {data.stderr.decode(errors='replace')}")
        return Picture.from_ppm(data.stdout, taken)

    def grab_screen_over_window(self):
        """What the screen shows where the window lies, whichever window that is."""
        g = self.geometry()
        taken = time.monotonic()
        data = subprocess.run(["import", "-silent", "-window", "root", "-crop",
                               f"{g['width']}x{g['height']}+{g['x']}+{g['y']}", "+repage", "-depth", "8", "ppm:-"],
                              env=self.server.env(), capture_output=True, timeout=20)
        if data.returncode != 0:
            raise RuntimeError(f"import failed: {data.stderr.decode(errors='replace')}")
        return Picture.from_ppm(data.stdout, taken)

    # Input, through XTest.

    def click(self, rect_or_point, button=1):
        """Moves the pointer onto a point or the middle of a rectangle of the client area and clicks."""
        x, y = centre_of(rect_or_point) if len(rect_or_point) == 4 else rect_or_point
        # One xdotool run: the X server handles the motion before the press. (--sync would wait
        # for the pointer to move, forever when it is already there.)
        moment = time.monotonic()
        self.server.run("xdotool", "mousemove", "--window", str(self.window), str(x), str(y), "click", str(button))
        return moment

    def key(self, *keys):
        moment = time.monotonic()
        self.server.run("xdotool", "key", "--delay", "30", *keys)
        return moment

    def focus(self):
        self.server.run("xdotool", "windowfocus", "--sync", str(self.window))

    def unmap(self):
        self.server.run("xdotool", "windowunmap", "--sync", str(self.window))

    def map(self):
        self.server.run("xdotool", "windowmap", "--sync", str(self.window))

    def send_delete_window(self):
        """Asks the window to close the way a window manager does: a WM_DELETE_WINDOW client message."""
        from Xlib import X, protocol
        d = self.server.xlib()
        try:
            window = d.create_resource_object("window", self.window)
            message = protocol.event.ClientMessage(
                window=window, client_type=d.intern_atom("WM_PROTOCOLS"),
                data=(32, [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
            window.send_event(message, event_mask=X.NoEventMask)
            d.sync()
        finally:
            d.close()
        return time.monotonic()

    COVER = (0x00, 0xC0, 0x00)  # the colour of the covering window, a green the program never draws

    def cover(self):
        """Maps a plain window over the whole screen, Tolvane's included; returns a function that removes it."""
        colour = (self.COVER[0] << 16) | (self.COVER[1] << 8) | self.COVER[2]  # a pixel of the 24-bit visual
        from Xlib import X
        d = self.server.xlib()
        screen = d.screen()
        cover = screen.root.create_window(0, 0, screen.width_in_pixels, screen.height_in_pixels, 0, screen.root_depth,
                                          X.InputOutput, X.CopyFromParent, background_pixel=colour,
                                          override_redirect=True)
        cover.map()
        cover.raise_window()
        d.sync()

        def remove():
            cover.destroy()
            d.sync()
            d.close()
        return remove

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        """Ends the process however it can: a close request first, then signals."""
        if self.process.poll() is None and self.window is not None:
            try:
                self.send_delete_window()
            except Exception:
                pass
            self.wait_exit(3)
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            if self.wait_exit(3) is None:
                self.process.kill()
                self.process.wait()
        self.log.close()
        os.unlink(self.log_path)


class Context:
    """What a case works with: the server, a way to start Tolvane, checks that keep their evidence."""

    def __init__(self, server, program, artifacts, group, case):
        self.server = server
        self.program = program
        self.artifacts = artifacts
        self.name = f"{group}.{case}"
        self.apps = []
        self.last = None  # the latest picture grabbed, (label, picture): evidence for any failure
        self.saved = []
        self.saved_pictures = []

    def launch(self, *args, env=None):
        """Starts Tolvane, with these arguments and these environment variables besides the
        display's, and waits for its window."""
        handle, log_path = tempfile.mkstemp(prefix="tolvane-e2e-", suffix=".log")
        os.close(handle)
        app = App(self.server, self.program, log_path, args, env)
        self.apps.append(app)
        app.find_window()
        return app

    def grab(self, app, label=None):
        pic = app.grab()
        self.last = (label or "grab", pic)
        return pic

    def note(self, text):
        print(f"    {text}", flush=True)

    def save(self, label, pic):
        if any(pic.rgb == kept.rgb for kept in self.saved_pictures):
            return None
        self.saved_pictures.append(pic)
        os.makedirs(self.artifacts, exist_ok=True)
        slug = re.sub(r"[^A-Za-z0-9_.-]+", "-", f"{self.name}-{len(self.saved) + 1:02d}-{label}")
        path = os.path.join(self.artifacts, slug + ".png")
        pic.save_png(path)
        self.saved.append(path)
        return path

    def check(self, condition, message, *evidence):
        """Fails the case unless condition holds, saving the pictures given as (label, picture)."""
        if condition:
            return
        for label, pic in evidence:
            self.save(label, pic)
        raise CheckFailed(message)

    def save_last(self):
        if self.last:
            self.save("last-" + self.last[0], self.last[1])

    def close(self):
        for app in self.apps:
            app.stop()


def main(group, cases):
    """Runs the cases of one group, each on a fresh Tolvane, all on one private X server."""
    parser = argparse.ArgumentParser(description=f"Tolvane end-to-end checks: {group}")
    parser.add_argument("--program", required=True, help="the installed Tolvane executable")
    parser.add_argument("--artifacts", required=True, help="folder for the screenshots of failed checks")
    parser.add_argument("--case", action="append", help="run only these cases")
    args = parser.parse_args()

    missing = [f"{tool} (Debian package {package})" for tool, package in TOOLS.items() if not shutil.which(tool)]
    if importlib.util.find_spec("Xlib") is None:
        missing.append("the Python module Xlib (Debian package python3-xlib)")
    if missing:
        print("missing: " + ", ".join(missing) + "; scripts/setup.sh installs them", file=sys.stderr)
        return 1
    if not os.access(args.program, os.X_OK):
        print(f"no executable at {args.program}", file=sys.stderr)
        return 1

    # Screenshots of an earlier run would pass for this one's.
    if os.path.isdir(args.artifacts):
        for name in os.listdir(args.artifacts):
            if name.startswith(group + ".") and name.endswith(".png"):
                os.unlink(os.path.join(args.artifacts, name))

    failed = []
    with XServer() as server:
        print(f"X server {server.display}", flush=True)
        for name, case in cases:
            if args.case and name not in args.case:
                continue
            ctx = Context(server, args.program, args.artifacts, group, name)
            began = time.monotonic()
            print(f"--- {group}.{name}", flush=True)
            try:
                case(ctx)
                outcome = "ok"
            except CheckFailed as failure:
                outcome = f"FAILED: {failure}"
            except Exception:
                outcome = "ERROR:\n" + traceback.format_exc()
            if outcome != "ok":
                failed.append(name)
                ctx.save_last()
                for app in ctx.apps:
                    text = app.output().strip()
                    if text:
                        print(f"    program output: {text}")
            ctx.close()
            for path in ctx.saved:
                print(f"    screenshot: {path}")
            print(f"    {outcome} ({time.monotonic() - began:.1f} s)", flush=True)
    if failed:
        print(f"{len(failed)} of the {group} cases failed: {', '.join(failed)}")
        return 1
    return 0
