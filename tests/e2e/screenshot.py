"""The screenshot that the software centre shows: the window with a maze and its whole route, taken
from the program itself on a private X server.

screenshot.py PROGRAM OUT.png             takes it (resources/tolvane-screenshot.png is made so)
screenshot.py PROGRAM OUT.png --check SHIPPED.png   and fails unless the shipped one is the same
"""

import argparse
import os
import subprocess
import sys
import tempfile
import time

import harness
from picture import COMMAND2, GOAL, LAST, Picture, centre_of

CODE = "3F7KQ-M2XWA"  # the example code of the manual and the README


def take(program):
    handle, log = tempfile.mkstemp(prefix="tolvane-screenshot-", suffix=".log")
    os.close(handle)
    with harness.XServer() as server:
        app = harness.App(server, program, log, ["--maze", CODE])  # stopping it removes the log
        try:
            app.find_window()
            harness.wait_until(lambda: app.grab().kind(0, 0) == "black", 10)
            app.click(centre_of(COMMAND2))
            # The replay ends on the tick that reaches G; then the picture stays as it is.
            goal = GOAL[0] * 17 + 8
            if not harness.wait_until(lambda: app.grab().kind(goal, goal) == "red", 60):
                raise harness.CheckFailed("the route did not reach G within 60 s")
            time.sleep(0.3)
            pic = app.grab()
        finally:
            app.stop()
    if pic.kind(LAST, LAST) != "black":
        raise harness.CheckFailed("the window did not show a maze")
    return pic


def read_png(path):
    ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
    return Picture.from_ppm(ppm)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("out")
    parser.add_argument("--check", metavar="SHIPPED")
    args = parser.parse_args()
    pic = take(args.program)
    pic.save_png(args.out)
    if args.check:
        shipped = read_png(args.check)
        if (shipped.width, shipped.height, shipped.rgb) != (pic.width, pic.height, pic.rgb):
            print(f"{args.check} is not what the program shows now ({args.out}); copy that over it", file=sys.stderr)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
