#!/usr/bin/env python3
"""Checks of what Tolvane ships besides its code: the desktop entry, the AppStream metainfo, the Windows
resources, the Debian package and the icon the running window carries. One sub-command per ctest test."""
import argparse
import contextlib
import importlib.util
import os
import re
import shutil
import struct
import subprocess
import sys
import time
from pathlib import Path

ICON_SIZES = (16, 32, 48, 64)  # the window's and the Windows icon's
THEME_SIZES = (16, 24, 32, 48, 64, 128, 256)  # the desktop theme's, beside a scalable one


class Failure(Exception):
    pass


def need(tool, package):
    """The path of a tool the check cannot do without; a missing one fails the check, it never skips it."""
    path = shutil.which(tool)
    if not path:
        raise Failure(f"{tool} not found: install the Debian package {package} (scripts/setup.sh does)")
    return path


def run(*cmd, **kw):
    result = subprocess.run(cmd, capture_output=True, text=True, **kw)
    if result.returncode != 0:
        raise Failure(f"{' '.join(map(str, cmd))} failed ({result.returncode}):\n{result.stdout}{result.stderr}")
    return result.stdout


def load_icon_module(source_dir):
    sys.dont_write_bytecode = True  # no cache files in the source tree
    path = Path(source_dir) / "resources" / "icons" / "make-icons.py"
    found = importlib.util.spec_from_file_location("make_icons", path)
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def desktop_keys(text):
    keys = {}
    for line in text.splitlines():
        if "=" in line and not line.startswith("#"):
            key, value = line.split("=", 1)
            keys[key.strip()] = value.strip()
    return keys


# --- desktop entry and metainfo ---------------------------------------------------------------------------

def check_desktop(args):
    tool = need("desktop-file-validate", "desktop-file-utils")
    result = subprocess.run([tool, args.file], capture_output=True, text=True)
    # The validator's exit status counts errors only; its warnings point at real mistakes as well.
    complaints = [line for line in (result.stdout + result.stderr).splitlines() if "error:" in line or "warning:" in line]
    if result.returncode != 0 or complaints:
        raise Failure("desktop-file-validate:\n" + (result.stdout + result.stderr))


def check_metainfo(args):
    tool = need("appstreamcli", "appstream")
    run(tool, "validate", "--no-net", args.file)


def check_versions(args):
    """Every place a user reads the version shows the project's one version. (The desktop entry has no such
    key, the package's is checked with the package, and the Windows record has its own spelling.)"""
    found = {}
    header = re.search(r'^\.TH +\S+ +\S+ +\S+ +"([^"]*)"', Path(args.man).read_text(encoding="utf-8"), re.M)
    found["manual page header"] = header.group(1) if header else None
    release = re.search(r'<release\b[^>]*\bversion="([^"]*)"', Path(args.metainfo).read_text(encoding="utf-8"))
    found["metainfo's newest release"] = f"Tolvane {release.group(1)}" if release else None
    entry = re.match(r"tolvane \(([^)]*)\)", Path(args.changelog).read_text(encoding="utf-8"))
    found["Debian changelog"] = f"Tolvane {entry.group(1)}" if entry else None
    if args.exe:
        # Asking for the version needs no display.
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        found["Tolvane --version"] = run(args.exe, "--version", env=env).strip()
    wrong = {place: shown for place, shown in found.items() if shown != f"Tolvane {args.version}"}
    if wrong:
        raise Failure("\n".join(f"{place} shows {shown!r}, expected 'Tolvane {args.version}'" for place, shown in wrong.items()))


# --- Windows resources ------------------------------------------------------------------------------------

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
LANG_JAPANESE_JAPAN = 0x0411
CP_UTF16 = 1200


def read_res(data):
    """The resources of a .res file as (type, name, language, data)."""
    def ident(pos):
        (first,) = struct.unpack_from("<H", data, pos)
        if first == 0xFFFF:
            return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
        end = pos
        while data[end:end + 2] != b"\0\0":
            end += 2
        return data[pos:end].decode("utf-16-le"), end + 2

    resources, pos = [], 0
    while pos + 8 <= len(data):
        size, header = struct.unpack_from("<II", data, pos)
        kind, after = ident(pos + 8)
        name, after = ident(after)
        after = (after + 3) & ~3
        _, _, language, _, _ = struct.unpack_from("<IHHII", data, after)
        body = data[pos + header:pos + header + size]
        if size or header != 32:  # the first entry of every .res is an empty marker
            resources.append((kind, name, language, body))
        pos = (pos + header + size + 3) & ~3
    return resources


def read_version_node(data, pos=0):
    """One node of a version record: (key, value, children)."""
    length, value_length, text = struct.unpack_from("<HHH", data, pos)
    end = pos + 6
    while data[end:end + 2] != b"\0\0":
        end += 2
    key = data[pos + 6:end].decode("utf-16-le")
    start = (end + 2 + 3) & ~3
    size = value_length * 2 if text else value_length
    value = data[start:start + size]
    if text:
        value = value.decode("utf-16-le").rstrip("\0")
    children, child = [], (start + size + 3) & ~3
    while child < pos + length:
        node = read_version_node(data, child)
        children.append(node)
        (child_length,) = struct.unpack_from("<H", data, child)
        child = (child + child_length + 3) & ~3
    return key, value, children


def check_windows_resource(args):
    windres = need("x86_64-w64-mingw32-windres", "binutils-mingw-w64-x86-64")
    # windres would preprocess with the MinGW compiler, which the Linux build has no need for; the host's C
    # preprocessor does the same job for a resource script.
    cpp = need("cpp", "cpp")
    work = Path(args.work)
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    common = [windres, f"--preprocessor={cpp}", "--preprocessor-arg=-DRC_INVOKED", "-i", args.rc]
    run(*common, "-O", "coff", "-o", str(work / "Tolvane.res.o"))
    run(*common, "-O", "res", "-o", str(work / "Tolvane.res"))

    text = {"ProductName": "Tolvane", "InternalName": "Tolvane", "OriginalFilename": "Tolvane.exe",
            "FileVersion": args.version_text, "ProductVersion": args.version_text}
    numbers = [int(part) for part in args.version.split(".")]

    # The object a Windows link would take in carries the record's strings, in UTF-16 as Windows reads them.
    obj = (work / "Tolvane.res.o").read_bytes()
    missing = [s for s in ["041104B0", "VarFileInfo", "Translation", *text, *text.values()]
               if s.encode("utf-16-le") not in obj]
    if missing:
        raise Failure(f"the compiled object lacks {missing}")

    resources = read_res((work / "Tolvane.res").read_bytes())
    versions = [r for r in resources if r[0] == RT_VERSION]
    if len(versions) != 1:
        raise Failure(f"expected one version record, found {len(versions)}")
    _, _, language, body = versions[0]
    if language != LANG_JAPANESE_JAPAN:
        raise Failure(f"version record language {language:#06x}, expected 0x0411")
    key, fixed, children = read_version_node(body)
    if key != "VS_VERSION_INFO":
        raise Failure(f"version record key {key!r}")
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    expected = ((numbers[0] << 16) | numbers[1], (numbers[2] << 16) | numbers[3])
    if signature != 0xFEEF04BD or (file_ms, file_ls) != expected or (product_ms, product_ls) != expected:
        raise Failure(f"numeric versions {file_ms:#x}.{file_ls:#x} / {product_ms:#x}.{product_ls:#x}, "
                      f"expected {expected[0]:#x}.{expected[1]:#x}")
    blocks = {child[0]: child for child in children}
    if set(blocks) != {"StringFileInfo", "VarFileInfo"}:
        raise Failure(f"version record blocks {sorted(blocks)}")
    tables = blocks["StringFileInfo"][2]
    if [t[0] for t in tables] != ["041104B0"]:
        raise Failure(f"string tables {[t[0] for t in tables]}, expected exactly 041104B0")
    strings = {k: v for k, v, _ in tables[0][2]}
    if strings != text:
        raise Failure(f"strings {strings}, expected exactly {text}")
    translation = {k: v for k, v, _ in blocks["VarFileInfo"][2]}.get("Translation", b"")
    if struct.unpack("<HH", translation[:4]) != (LANG_JAPANESE_JAPAN, CP_UTF16) or len(translation) != 4:
        raise Failure(f"Translation {translation.hex()}, expected 0x0411, 1200")

    groups = [r for r in resources if r[0] == RT_GROUP_ICON]
    if len(groups) != 1:
        raise Failure(f"expected one icon group, found {len(groups)}")
    group = groups[0][3]
    _, kind, count = struct.unpack_from("<HHH", group)
    entries = [struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i) for i in range(count)]
    sizes = sorted((w or 256, h or 256, bits) for w, h, _, _, _, bits, _, _ in entries)
    if kind != 1 or sizes != [(s, s, 8) for s in ICON_SIZES]:
        raise Failure(f"icon group holds {sizes}, expected 8-bit pictures of {ICON_SIZES} pixels")
    icons = {r[1] for r in resources if r[0] == RT_ICON}
    if {e[7] for e in entries} - icons:
        raise Failure("the icon group names pictures the file does not hold")


# --- the Debian package -----------------------------------------------------------------------------------

def check_deb(args):
    cpack = args.cpack
    dpkg_deb = need("dpkg-deb", "dpkg")
    lintian = need("lintian", "lintian")
    # CPack itself needs these to work out the dependencies; without them it fails in a less obvious way.
    need("dpkg-shlibdeps", "dpkg-dev")
    need("file", "file")

    work = Path(args.work)
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    run(cpack, "-G", "DEB", "--config", str(Path(args.build) / "CPackConfig.cmake"), "-B", str(work))
    debs = list(work.glob("*.deb"))
    if len(debs) != 1:
        raise Failure(f"expected one .deb in {work}, found {[d.name for d in debs]}")
    deb = str(debs[0])

    problems = []
    lint = subprocess.run([lintian, "--fail-on", "error", "--tag-display-limit", "0", deb],
                          capture_output=True, text=True)
    report = [line for line in lint.stdout.splitlines() if line[:2] in ("E:", "W:")]
    print("lintian:\n" + ("\n".join(report) if report else "  no errors, no warnings"))
    if lint.returncode != 0 or any(line.startswith("E:") for line in report):
        problems.append("lintian reports errors:\n" + lint.stdout + lint.stderr)

    listing = run(dpkg_deb, "-c", deb)
    # Links are listed as "NAME -> TARGET".
    files = {re.sub(r"^\./", "/", line.split(" -> ")[0].split()[-1])
             for line in listing.splitlines() if not line.startswith("d")}
    app = args.app_id
    wanted = {"/usr/games/tolvane", "/usr/games/Tolvane", "/usr/share/man/man6/tolvane.6.gz",
              f"/usr/share/applications/{app}.desktop", f"/usr/share/metainfo/{app}.metainfo.xml",
              "/usr/share/doc/tolvane/copyright", "/usr/share/doc/tolvane/changelog.gz"}
    wanted |= {f"/usr/share/icons/hicolor/{s}x{s}/apps/{app}.png" for s in THEME_SIZES}
    wanted.add(f"/usr/share/icons/hicolor/scalable/apps/{app}.svg")
    if wanted - files:
        problems.append(f"the package lacks {sorted(wanted - files)}; it holds {sorted(files)}")

    if run(dpkg_deb, "-f", deb, "Version").strip() != args.version:
        problems.append(f"package version is not {args.version}")

    # The installed pieces must name each other: the menu entry starts a program the package installs and
    # shows an icon it installs, and the metainfo points at that entry.
    tree = work / "tree"
    run(dpkg_deb, "-x", deb, str(tree))
    entry = desktop_keys((tree / f"usr/share/applications/{app}.desktop").read_text(encoding="utf-8"))
    if entry.get("Icon") != app:
        problems.append(f"desktop entry Icon={entry.get('Icon')}, but the icons are installed as {app}")
    if entry.get("Exec", "").split(" ")[0] != "tolvane" or not (tree / "usr/games/tolvane").is_file():
        problems.append(f"desktop entry Exec={entry.get('Exec')} is not the installed program tolvane")
    if os.readlink(tree / "usr/games/Tolvane") != "tolvane":
        problems.append("/usr/games/Tolvane is not a link to tolvane")
    metainfo = (tree / f"usr/share/metainfo/{app}.metainfo.xml").read_text(encoding="utf-8")
    if f'<launchable type="desktop-id">{app}.desktop</launchable>' not in metainfo or f"<id>{app}</id>" not in metainfo:
        problems.append("the metainfo's id or launchable does not name the desktop entry")

    # Every library, plugin and font the packaged program maps while it runs must come with the package: the
    # linked ones through dpkg-shlibdeps, what Qt loads by itself (the platform plugin, the font) through the
    # declared dependencies.
    depends = package_names(run(dpkg_deb, "-f", deb, "Depends"))
    print(f"Depends: {', '.join(' | '.join(g) for g in depends)}")
    program = tree / "usr/games/tolvane"
    undeclared = undeclared_run_time_files(str(program), depends) if program.is_file() else {}
    if undeclared:
        problems.append("the packaged program, running, maps files of packages the .deb does not depend on:\n"
                        + "\n".join(f"  {path} ({', '.join(packages)})" for path, packages in undeclared.items()))
    if problems:
        raise Failure("\n".join(problems))


# --- the running program ------------------------------------------------------------------------------------

@contextlib.contextmanager
def running_window(exe):
    """Starts the program on a private Xvfb and yields (environment, window id, process id) once its window is
    up; stops both afterwards."""
    xvfb = need("Xvfb", "xvfb")
    xdotool = need("xdotool", "xdotool")
    read_end, write_end = os.pipe()
    server = subprocess.Popen([xvfb, "-displayfd", str(write_end), "-screen", "0", "640x480x24", "-nolisten", "tcp"],
                              pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    program = None
    try:
        with os.fdopen(read_end) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise Failure("Xvfb did not start")
        env = {k: v for k, v in os.environ.items() if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        env["DISPLAY"] = f":{display}"
        program = subprocess.Popen([exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window, deadline = "", time.monotonic() + 20
        while not window and time.monotonic() < deadline and program.poll() is None:
            time.sleep(0.1)
            found = subprocess.run([xdotool, "search", "--name", "^Tolvane$"], env=env, capture_output=True, text=True)
            window = found.stdout.split()[0] if found.stdout.split() else ""
        if not window:
            raise Failure(f"no window titled Tolvane appeared (program status {program.poll()})")
        yield env, window, program.pid
    finally:
        if program:
            program.terminate()
            try:
                program.wait(5)
            except subprocess.TimeoutExpired:
                program.kill()
                program.wait()
        server.terminate()
        server.wait(5)


def check_window_icon(args):
    xprop = need("xprop", "x11-utils")
    icons = load_icon_module(args.source)
    with running_window(args.exe) as (env, window, _):
        props = run(xprop, "-id", window, "-notype", "-f", "_NET_WM_ICON", "32c", "_NET_WM_ICON", "WM_CLASS", env=env)

    wm_class = re.search(r'WM_CLASS = "([^"]*)", "([^"]*)"', props)
    match = re.search(r"_NET_WM_ICON = ([\d, ]+)", props)
    if not match:
        raise Failure(f"the window carries no icon:\n{props[:500]}")
    values = [int(v) for v in match.group(1).replace(",", " ").split()]
    offered = {}
    while values:
        w, h = values[0], values[1]
        offered[(w, h)] = values[2:2 + w * h]
        values = values[2 + w * h:]
    print(f"window icon sizes: {sorted(offered)}")
    problems = []
    missing = [size for size in ICON_SIZES if (size, size) not in offered]
    if missing:
        problems.append(f"no icon of {missing} pixels among {sorted(offered)}")
    for (w, h), pixels in offered.items():
        if w != h or w not in ICON_SIZES:
            problems.append(f"the window offers a {w}x{h} icon, which is none of the drawn sizes")
            continue
        palette, alpha, rows = icons.read_png((Path(args.source) / f"resources/icons/tolvane-{w}.png").read_bytes())
        opacity = [alpha[i] if i < len(alpha) else 255 for i in range(256)]
        argb = [opacity[i] << 24 | palette[3 * i] << 16 | palette[3 * i + 1] << 8 | palette[3 * i + 2]
                for row in rows for i in row]
        wrong = sum(1 for a, b in zip(argb, pixels) if a != b)
        if wrong:
            problems.append(f"{wrong} pixels of the {w}-pixel window icon differ from tolvane-{w}.png")
    # Docks on X11 match the window to its desktop entry by the class part of WM_CLASS.
    expected = desktop_keys(Path(args.desktop).read_text(encoding="utf-8")).get("StartupWMClass")
    if not wm_class or wm_class.group(2) != expected:
        problems.append(f"WM_CLASS {wm_class.groups() if wm_class else None}, the desktop entry expects {expected}")
    if problems:
        raise Failure("\n".join(problems))


def package_names(field):
    """Package names in a Depends-style field, as a list of alternatives per entry."""
    groups = []
    for entry in field.split(","):
        names = [re.split(r"[\s(:]", alt.strip())[0] for alt in entry.split("|")]
        if any(names):
            groups.append([n for n in names if n])
    return groups


# Libraries that the toolkit opens only if they are installed, and does without otherwise. With their own
# dependencies they need not be declared.
OPTIONAL_LOADS = {
    "libxcursor1": "Qt's X11 platform plugin opens libXcursor for themed mouse cursors; without it the window "
                   "shows the X server's own cursors",
}


# Qt loads every plugin of these kinds that is installed (image formats, icon engines, input methods, platform
# themes, styles, GL integrations...) and does without when there is none; only the platform plugin is needed
# to start. Such plugins, and the libraries mapped only because they link them, need not be declared.
def is_optional_plugin(path):
    parts = Path(path).parts
    return "plugins" in parts[:-2] and parts[parts.index("plugins") + 1] != "platforms"


def linked_libraries(file):
    """The shared libraries the dynamic loader maps for `file`, as real paths."""
    ldd = need("ldd", "libc-bin")
    found = subprocess.run([ldd, file], capture_output=True, text=True)
    return {os.path.realpath(m.group(1)) for m in re.finditer(r"=> (/\S+)", found.stdout)}


def undeclared_run_time_files(exe, depends):
    """The files the running program has mapped (libraries, plugins, fonts) whose packages neither the given
    dependencies nor what they depend on, transitively among the installed packages, bring along. Optional
    plugins, and libraries that nothing but them links, are left out."""
    dpkg_query = need("dpkg-query", "dpkg")
    with running_window(exe) as (_, _, pid):
        maps = Path(f"/proc/{pid}/maps").read_text()
    mapped = sorted({line.split(None, 5)[5] for line in maps.splitlines()
                     if len(line.split(None, 5)) == 6 and line.split(None, 5)[5].startswith("/")})
    plugins = [f for f in mapped if is_optional_plugin(f)]
    # What the program and its platform plugin link stays required, even where a plugin links it too.
    needed = linked_libraries(exe)
    for platform in (f for f in mapped if "/plugins/platforms/" in f):
        needed |= linked_libraries(platform)
    optional = set()
    for plugin in plugins:
        optional |= ({os.path.realpath(plugin)} | linked_libraries(plugin)) - needed
    files = [f for f in mapped if os.path.realpath(f) not in optional]
    owners = {}
    found = subprocess.run([dpkg_query, "-S", *files], capture_output=True, text=True)
    for line in found.stdout.splitlines():
        packages, path = line.split(": ", 1)
        for package in packages.split(", "):
            owners.setdefault(path, set()).add(package.split(":")[0])

    fields = run(dpkg_query, "-W", "-f", "${Package}\t${db:Status-Abbrev}\t${Essential}\t${Provides}\t${Pre-Depends}, ${Depends}\n")
    needs, providers, essential = {}, {}, set()
    for line in fields.splitlines():
        package, status, is_essential, provides, requires = line.split("\t")
        if not status.startswith("ii"):
            continue
        needs[package] = package_names(requires)
        for virtual in [g[0] for g in package_names(provides)] + [package]:
            providers.setdefault(virtual, set()).add(package)
        if is_essential == "yes":
            essential.add(package)
    closure, todo = set(), [name for group in depends for name in group] + list(OPTIONAL_LOADS)
    while todo:
        for package in providers.get(todo.pop(), ()):
            if package not in closure:
                closure.add(package)
                todo.extend(name for group in needs.get(package, []) for name in group)
    covered = closure | essential
    return {path: sorted(packages) for path, packages in owners.items() if not packages & covered}


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    sub = parser.add_subparsers(dest="check", required=True)
    p = sub.add_parser("desktop-entry")
    p.add_argument("file")
    p.set_defaults(run=check_desktop)
    p = sub.add_parser("metainfo")
    p.add_argument("file")
    p.set_defaults(run=check_metainfo)
    p = sub.add_parser("versions")
    p.add_argument("--version", required=True)
    p.add_argument("--man", required=True)
    p.add_argument("--metainfo", required=True)
    p.add_argument("--changelog", required=True)
    p.add_argument("--exe")
    p.set_defaults(run=check_versions)
    p = sub.add_parser("windows-resource")
    p.add_argument("--rc", required=True)
    p.add_argument("--work", required=True)
    p.add_argument("--version", required=True)
    p.add_argument("--version-text", required=True)
    p.set_defaults(run=check_windows_resource)
    p = sub.add_parser("deb")
    p.add_argument("--cpack", required=True)
    p.add_argument("--build", required=True)
    p.add_argument("--work", required=True)
    p.add_argument("--app-id", required=True)
    p.add_argument("--version", required=True)
    p.set_defaults(run=check_deb)
    p = sub.add_parser("window-icon")
    p.add_argument("--exe", required=True)
    p.add_argument("--source", required=True)
    p.add_argument("--desktop", required=True)
    p.set_defaults(run=check_window_icon)
    args = parser.parse_args()
    try:
        args.run(args)
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    print("ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
