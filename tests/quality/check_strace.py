#!/usr/bin/env python3
"""Checks an strace log of one session with Tolvane for anything it touches outside its window.

Usage: check_strace.py LOG PROGRAM HOME RUNTIME
       check_strace.py --self-test    (shows that each kind of surprise is caught)

LOG comes from `strace -f -e trace=file,network,process`; PROGRAM is the executable's absolute
path, HOME and RUNTIME the session's home and XDG_RUNTIME_DIR. The program itself keeps no
files, no settings and no network: everything allowed below belongs to the toolkit (Qt, Xlib,
fontconfig, glibc) and is listed with the reason it appears.
"""
import os
import re
import sys

# Files the toolkit may open for reading; a path passes when it starts with one of these.
READ_PREFIXES = {
    "/etc/ld.so.cache": "the dynamic linker's index of shared libraries",
    "/lib/": "shared libraries",
    "/usr/lib/": "shared libraries, Qt's plugins (platform, image formats, input contexts) and the locale archive",
    "/usr/share/fonts/": "font files, through fontconfig",
    "/usr/share/fontconfig/": "fontconfig's configuration snippets",
    "/etc/fonts/": "fontconfig's configuration",
    "/var/cache/fontconfig/": "fontconfig's system cache",
    "/usr/share/X11/": "keyboard maps (xkb) and Xlib's locale tables",
    "/usr/share/icons/": "the cursor theme, looked up by Xcursor and by Qt's icon theme",
    "/usr/share/pixmaps/": "Qt's icon theme fallback directory",
    "/usr/share/qt6/": "Qt's own data directory (looked up, normally empty)",
    "/usr/share/locale/": "message catalogues of the C library and toolkit",
    "/usr/local/share/": "the XDG data directories searched for fonts and icons",
    "/sys/devices/system/cpu/": "the number of processors, for Qt's thread pool",
}

# Under the session's home: configuration and caches of the toolkit only.
HOME_READS = {
    ".Xdefaults": "Xlib's resource database (also .Xdefaults-HOSTNAME)",
    ".Xauthority": "the X server's access cookie",
    ".config/fontconfig/": "the user's fontconfig setup",
    ".fontconfig/": "fontconfig's old user cache directory",
    ".fonts": "the user's fonts (old location) and fontconfig's .fonts.conf",
    ".cache/fontconfig/": "fontconfig's user cache",
    ".local/share/fonts/": "the user's fonts",
    ".icons/": "the user's cursor themes, looked up by Xcursor",
    ".local/share/icons/": "the user's cursor and icon themes",
    ".config/QtProject": "Qt's logging rules (qtlogging.ini)",
}

# Under the session's home, fontconfig may also write: it refreshes a user cache when the
# system cache is older than a font directory. Nothing else may be written anywhere.
HOME_WRITES = {
    ".cache/fontconfig/": "fontconfig's user cache",
}

WRITE_FLAGS = re.compile(r"O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND")
LINE = re.compile(r"^(?:\[pid\s+)?(\d+)\]?\s+(\w+)\((.*)$")
STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')
MODIFYING = {
    "creat", "mkdir", "mkdirat", "rmdir", "unlink", "unlinkat", "rename", "renameat", "renameat2",
    "link", "linkat", "symlink", "symlinkat", "truncate", "chmod", "fchmodat", "chown", "lchown",
    "fchownat", "utime", "utimes", "utimensat", "futimesat", "mknod", "mknodat", "setxattr",
    "lsetxattr", "removexattr", "lremovexattr",
}
OPENING = {"open", "openat", "openat2", "creat"}


def first_path(args):
    match = STRING.search(args)
    return match.group(1) if match else None


def under(path, prefixes):
    return any(path == p.rstrip("/") or path.startswith(p) for p in prefixes)


def audit(lines, program, home, runtime):
    """Returns one description for every call outside what is allowed."""
    program_dir = os.path.dirname(program) + "/"
    home = home.rstrip("/") + "/"
    runtime = runtime.rstrip("/")
    reads = list(READ_PREFIXES) + [home + p for p in HOME_READS] + [
        program_dir,  # Qt looks beside the executable for qt.conf and plugins
        runtime + "/",  # Qt's probe for a sandbox (flatpak-info) in the runtime directory
    ]
    writes = [home + p for p in HOME_WRITES]
    problems = []
    executed = 0
    x_connected = False

    for raw in lines:
        raw = raw.strip()
        match = LINE.match(raw)
        if not match:
            continue
        _, call, args = match.groups()
        path = first_path(args)
        if call in OPENING and path is not None:
            if not path.startswith("/"):
                problems.append(f"relative path opened: {raw}")
            elif call == "creat" or WRITE_FLAGS.search(args):
                # /dev/null stands in for the standard streams of a toolkit helper.
                if not (path == "/dev/null" or under(path, writes)):
                    problems.append(f"opened for writing: {raw}")
            elif not under(path, reads):
                problems.append(f"read outside the toolkit's files: {raw}")
        elif call in MODIFYING:
            # Qt makes sure the session's runtime directory exists; it always does already.
            if call == "mkdir" and path == runtime:
                continue
            if path is None or not under(path, writes):
                problems.append(f"file system changed: {raw}")
        elif call == "execve":
            executed += 1
            if executed > 1 or path != program:
                problems.append(f"started another program: {raw}")
        elif call in ("socket", "socketpair"):
            if not args.startswith("AF_UNIX"):
                problems.append(f"non-local socket: {raw}")
        elif call in ("bind", "listen", "accept", "accept4"):
            problems.append(f"the program offers a service: {raw}")
        elif call in ("connect", "sendto", "sendmsg"):
            family = re.search(r"sa_family=(\w+)", args)
            if family is None:
                continue  # a send on a connected socket names no address
            if family.group(1) != "AF_UNIX":
                problems.append(f"network connection: {raw}")
                continue
            target = re.search(r'sun_path=@?"([^"]*)"', args)
            target = target.group(1) if target else ""
            if re.fullmatch(r"/tmp/\.X11-unix/X\d+", target):
                x_connected = True  # the display: the one connection the program needs
            elif target != runtime + "/bus" and not re.fullmatch(re.escape(runtime) + r"/at-spi/bus_\d+", target):
                # The desktop's session bus is the toolkit's: its accessibility bridge and
                # input methods (ibus) talk over it, and the bridge joins the accessibility
                # bus that the session runs for screen readers. Anything else is a surprise.
                problems.append(f"unexpected local connection: {raw}")

    if executed == 0:
        problems.append("the log shows no start of the program: wrong log?")
    if not x_connected:
        problems.append("the log shows no connection to the X display: wrong log?")
    return problems


def self_test():
    """Runs the audit over a made-up session with one surprise at a time."""
    program, home, runtime = "/opt/t/Tolvane", "/s/home", "/s/run"
    clean = [
        f'10 execve("{program}", ["{program}"], 0x0 /* 6 vars */) = 0',
        '10 openat(AT_FDCWD, "/usr/lib/x86_64-linux-gnu/libQt6Core.so.6", O_RDONLY|O_CLOEXEC) = 3',
        '10 connect(3, {sa_family=AF_UNIX, sun_path=@"/tmp/.X11-unix/X7"}, 20) = 0',
        f'11 openat(AT_FDCWD, "{home}/.cache/fontconfig/x.cache-8", O_RDWR|O_CREAT, 0666) = 5',
        f'10 mkdir("{runtime}", 0700) = -1 EEXIST (File exists)',
        f'12 connect(8, {{sa_family=AF_UNIX, sun_path="{runtime}/at-spi/bus_7"}}, 30) = 0',
    ]
    surprises = [
        f'10 openat(AT_FDCWD, "{home}/.config/Tolvane.conf", O_WRONLY|O_CREAT|O_TRUNC, 0666) = 4',
        '10 openat(AT_FDCWD, "/tmp/tolvane.log", O_RDWR|O_APPEND) = 4',
        f'10 mkdir("{home}/.local/share/Tolvane", 0700) = 0',
        '10 unlink("/tmp/x") = 0',
        '10 openat(AT_FDCWD, "/etc/hostname", O_RDONLY) = 4',
        f'10 openat(AT_FDCWD, "{home}/maze.txt", O_RDONLY) = 4',
        '10 socket(AF_INET, SOCK_STREAM, IPPROTO_TCP) = 4',
        '10 connect(4, {sa_family=AF_INET6, sin6_port=htons(80)}, 28) = 0',
        '10 connect(4, {sa_family=AF_UNIX, sun_path="/run/systemd/journal/socket"}, 30) = 0',
        '10 connect(4, {sa_family=AF_UNIX, sun_path="/tmp/at-spi/bus_7"}, 30) = 0',
        '10 bind(4, {sa_family=AF_UNIX, sun_path="/tmp/tolvane"}, 14) = 0',
        '12 execve("/bin/sh", ["sh", "-c", "true"], 0x0 /* 6 vars */) = 0',
    ]
    failures = []
    if audit(clean, program, home, runtime):
        failures.append(f"the clean session was rejected: {audit(clean, program, home, runtime)}")
    for line in surprises:
        if not audit(clean + [line], program, home, runtime):
            failures.append(f"not caught: {line}")
    for f in failures:
        print("check_strace self-test:", f)
    print(f"check_strace self-test: {len(surprises) - len(failures)} of {len(surprises)} surprises caught")
    return 1 if failures else 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    log, program, home, runtime = sys.argv[1:5]
    with open(log, encoding="utf-8", errors="replace") as f:
        problems = audit(f, program, home, runtime)
    for p in problems:
        print("check_strace:", p)
    if problems:
        return 1
    print("check_strace: the display, the toolkit's own files, and no writes, no network")
    return 0


if __name__ == "__main__":
    sys.exit(main())
