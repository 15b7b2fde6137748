"""Mazes that leave the window and come back: right-click and Copy give the picture shown on the
clipboard, and --maze opens the window with the very maze that --export drew from the same code."""

import os
import subprocess
import sys
import tempfile

import harness
from flows import build_maze, startup_picture
from harness import wait_until
from picture import LAST, Picture


def clipboard_png(app):
    result = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-o"], env=app.server.env(),
                            capture_output=True, timeout=20)
    return result.stdout if result.returncode == 0 and result.stdout.startswith(b"\x89PNG") else None


def clipboard_text(app):
    result = subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=app.server.env(), capture_output=True,
                            timeout=20)
    return result.stdout.decode(errors="replace") if result.returncode == 0 else ""


def png_as_picture(png):
    ppm = subprocess.run(["convert", "png:-", "-depth", "8", "ppm:-"], input=png, capture_output=True, timeout=20)
    return Picture.from_ppm(ppm.stdout)


def right_click_copy_gives_the_picture(ctx):
    app = ctx.launch()
    pic = startup_picture(ctx, app)
    app.focus()
    pic, _ = build_maze(ctx, app, pic)
    app.click((100, 100), button=3)
    app.key("c")  # the menu's &Copy
    png = wait_until(lambda: clipboard_png(app), 10, 0.1)
    ctx.check(png is not None, "no PNG image on the clipboard after right-click and Copy")
    copied = png_as_picture(png)
    shown = app.grab()
    side = LAST + 1
    ctx.check((copied.width, copied.height) == (side, side), f"the copied picture is {copied.width}x{copied.height}, "
              f"not {side}x{side}", ("copied", copied))
    differ = [(x, y) for y in range(side) for x in range(side) if copied.pixel(x, y) != shown.pixel(x, y)]
    ctx.check(not differ, f"the copied picture differs from the window's at {differ[:5]}", ("copied", copied),
              ("shown", shown))
    code = clipboard_text(app).strip()
    ctx.check(len(code) == 11 and code[5] == "-", f"the clipboard's text is {code!r}, not a maze code")


def maze_option_opens_the_exported_maze(ctx):
    code = "3F7KQ-M2XWA"
    with tempfile.TemporaryDirectory(prefix="tolvane-e2e-") as work:
        png = os.path.join(work, "maze.png")
        subprocess.run([ctx.program, "--maze", code, "--export", png], check=True, timeout=30)
        with open(png, "rb") as f:
            exported = png_as_picture(f.read())
    # The maze is drawn before the window first shows: the first picture must be it.
    app = ctx.launch("--maze", code)
    shown = ctx.grab(app, "--maze")
    differ = [(x, y) for y in range(exported.height) for x in range(exported.width)
              if exported.pixel(x, y) != shown.pixel(x, y)]
    ctx.check(not differ, f"the window opened with --maze {code} differs from its export at {differ[:5]}",
              ("shown", shown), ("exported", exported))


CASES = [("right_click_copy_gives_the_picture", right_click_copy_gives_the_picture),
         ("maze_option_opens_the_exported_maze", maze_option_opens_the_exported_maze)]

if __name__ == "__main__":
    sys.exit(harness.main("copy", CASES))
