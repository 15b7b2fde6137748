"""Tolvane on Wayland: on a headless weston it builds and solves a maze and closes cleanly, saying nothing.

A headless compositor has no seat to type or click with, so the buttons are pressed and the window
closed through their accessible actions, as switch and voice control users do."""

import access  # first: it puts the test on a private session bus

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from access import Window
import harness
from harness import CheckFailed, wait_until

SOCKET = "tolvane-e2e"
REACHED = re.compile(r"The route reached G in (\d+) cells\. Maze code [0-9A-Z]{5}-[0-9A-Z]{5}\.")


class Weston:
    """A headless weston of its own, in a private runtime folder."""

    def __enter__(self):
        self.runtime_dir = tempfile.mkdtemp(prefix="tolvane-e2e-wayland-")  # mode 0700
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", f"--socket={SOCKET}", "--shell=kiosk-shell.so",
             "--no-config", "--idle-time=0"],
            env=dict(os.environ, XDG_RUNTIME_DIR=self.runtime_dir), stdin=subprocess.DEVNULL,
            stdout=self.log, stderr=subprocess.STDOUT, start_new_session=True)
        socket = os.path.join(self.runtime_dir, SOCKET)
        if not wait_until(lambda: os.path.exists(socket) or self.process.poll() is not None, 15, 0.05) \
                or self.process.poll() is not None:
            raise RuntimeError(f"weston did not start: {self.output()}")
        return self

    def output(self):
        self.log.seek(0)
        return self.log.read().decode(errors="replace")

    def __exit__(self, *exc):
        harness.end_process(self.process)
        self.log.close()
        shutil.rmtree(self.runtime_dir, ignore_errors=True)

    def env(self):
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "XAUTHORITY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS")}
        env.update(XDG_RUNTIME_DIR=self.runtime_dir, WAYLAND_DISPLAY=SOCKET, QT_QPA_PLATFORM="wayland")
        return env


def build_solve_and_close(compositor, program):
    with tempfile.TemporaryFile() as output:
        process = subprocess.Popen([program], env=compositor.env(), stdin=subprocess.DEVNULL, stdout=output,
                                   stderr=subprocess.STDOUT)
        try:
            window = Window(process)
            Window.press(window.command1)
            window.wait_description(lambda d: d.startswith("A maze of 21 by 21 cells"), 10,
                                    "no maze after pressing 制作")
            Window.press(window.command2)
            reached = window.wait_description(REACHED.fullmatch, 60, "the route never reached G")
            print(f"    {reached}", flush=True)
            window.close()
            status = process.wait(timeout=10)
        finally:
            if process.poll() is None:
                process.kill()
                process.wait()
        output.seek(0)
        said = output.read().decode(errors="replace").strip()
    if status != 0:
        raise CheckFailed(f"Tolvane ended with status {status} after its window was closed; output: {said!r}")
    if said:
        raise CheckFailed(f"Tolvane said something on Wayland: {said!r}")


def main():
    parser = argparse.ArgumentParser(description="Tolvane end-to-end check on a headless Wayland compositor")
    parser.add_argument("--program", required=True, help="the installed Tolvane executable")
    parser.add_argument("--artifacts", help="unused: nothing is drawn where a test could see it")
    args = parser.parse_args()
    if not shutil.which("weston"):
        print("missing: weston (Debian package weston); scripts/setup.sh installs it", file=sys.stderr)
        return 1
    began = time.monotonic()
    print("--- wayland.build_solve_and_close", flush=True)
    with Weston() as compositor:
        try:
            build_solve_and_close(compositor, args.program)
        except CheckFailed as failure:
            print(f"    FAILED: {failure}")
            print(f"    weston: {compositor.output()[-2000:]}")
            return 1
    print(f"    ok ({time.monotonic() - began:.1f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
