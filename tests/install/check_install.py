#!/usr/bin/env python3
"""Checks the installed tree of Motrevix, from `cmake --install` or from the .deb.

  check_install.py tree BUILD_DIR SCRATCH   installs BUILD_DIR into SCRATCH and checks it
  check_install.py deb PACKAGE.deb          checks the package's listing, fields and tree

The tree: the programs in bin/, the map page with its Leaflet copy in
share/motrevix/, the menu entry, icons and AppStream file where desktops look
for them (accepted by desktop-file-validate and appstreamcli), the documents in
share/doc/motrevix/ with the pictures the README shows.
"""
import configparser
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

APP_ID = "io.github.motrevix.Motrevix"
PROGRAMS = ["motrevix", "motrevix-cli", "esmux"]
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
FILES = [
    "share/motrevix/MapView.htm",
    "share/motrevix/leaflet/leaflet.js",
    "share/motrevix/leaflet/leaflet.css",
    "share/motrevix/leaflet/images/marker-icon.png",
    f"share/applications/{APP_ID}.desktop",
    f"share/metainfo/{APP_ID}.metainfo.xml",
    f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    "share/doc/motrevix/README.md",
] + [f"share/icons/hicolor/{s}x{s}/apps/{APP_ID}.png" for s in ICON_SIZES]
# Debian 12's names; the versioned FFmpeg names are its ABI.
DEPENDS = ["libqt6webenginewidgets6", "libqt6webenginecore6-bin", "libqt6multimedia6",
           "libqt6svg6", "libavformat59", "libavcodec59", "libavfilter8", "libc6"]

failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message)


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, **kwargs)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def check_files(root):
    for name in PROGRAMS:
        path = os.path.join(root, "bin", name)
        if not (os.path.isfile(path) and os.access(path, os.X_OK)):
            fail(f"bin/{name} is not an executable file")
    extra = sorted(set(os.listdir(os.path.join(root, "bin"))) - set(PROGRAMS))
    if extra:
        fail(f"bin/ holds more than the programs: {extra}")
    for name in FILES:
        if not os.path.isfile(os.path.join(root, name)):
            fail(f"{name} is missing")
    for s in ICON_SIZES:
        path = os.path.join(root, f"share/icons/hicolor/{s}x{s}/apps/{APP_ID}.png")
        if os.path.isfile(path) and png_size(path) != (s, s):
            fail(f"{path} is {png_size(path)}, not a {s} x {s} PNG")


def check_references(root):
    """Every file the map page and the README refer to lies beside them."""
    page_dir = os.path.join(root, "share/motrevix")
    with open(os.path.join(page_dir, "MapView.htm"), encoding="utf-8") as f:
        page = f.read()
    local = [r for r in re.findall(r'(?:src|href)="([^"]+)"', page) if "://" not in r]
    if not any(r.endswith("leaflet.js") for r in local):
        fail("MapView.htm names no local leaflet.js")
    for ref in local:
        if not os.path.isfile(os.path.join(page_dir, ref)):
            fail(f"MapView.htm refers to {ref}, which is not installed beside it")
    doc_dir = os.path.join(root, "share/doc/motrevix")
    with open(os.path.join(doc_dir, "README.md"), encoding="utf-8") as f:
        readme = f.read()
    for ref in re.findall(r"\]\((docs/[^)]+)\)", readme):
        if not os.path.isfile(os.path.join(doc_dir, ref)):
            fail(f"README.md shows {ref}, which is not installed beside it")


def check_desktop_files(root):
    desktop = os.path.join(root, f"share/applications/{APP_ID}.desktop")
    metainfo = os.path.join(root, f"share/metainfo/{APP_ID}.metainfo.xml")
    for args in (["desktop-file-validate", desktop],
                 ["appstreamcli", "validate", "--no-net", metainfo]):
        result = run(args)
        if result.returncode != 0:
            fail(f"{' '.join(args[:2])} refused it:\n{result.stdout}{result.stderr}")

    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(desktop, encoding="utf-8")
    section = entry["Desktop Entry"]
    program = section.get("Exec", "").split()[0] if section.get("Exec") else ""
    if program not in PROGRAMS:
        fail(f"Exec runs {program!r}, which is not an installed program")
    if section.get("Icon") != APP_ID:
        fail(f"Icon is {section.get('Icon')!r}, not the installed icon {APP_ID}")
    mime = section.get("MimeType", "").split(";")
    for kind in ("video/x-msvideo", "video/mp4"):
        if kind not in mime:
            fail(f"MimeType lacks {kind}")
    categories = section.get("Categories", "").split(";")
    for category in ("AudioVideo", "Player", "Video"):
        if category not in categories:
            fail(f"Categories lacks {category}")

    component = ET.parse(metainfo).getroot()
    if component.findtext("id") != APP_ID:
        fail(f"the AppStream id is {component.findtext('id')!r}")
    launchable = component.findtext("launchable[@type='desktop-id']")
    if launchable != os.path.basename(desktop):
        fail(f"the AppStream file launches {launchable!r}, not the installed menu entry")


def check_programs_start(root):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for args in ([os.path.join(root, "bin/motrevix"), "--version"],
                 [os.path.join(root, "bin/motrevix-cli"), "--help"]):
        result = run(args, env=env, timeout=120)
        if result.returncode != 0:
            fail(f"{' '.join(args)} exited with {result.returncode}: {result.stderr}")


def check_tree(root):
    check_files(root)
    if not failures:
        check_references(root)
        check_desktop_files(root)
        check_programs_start(root)


def tree(build_dir, scratch):
    shutil.rmtree(scratch, ignore_errors=True)
    result = run(["cmake", "--install", build_dir, "--prefix", scratch])
    if result.returncode != 0:
        fail(f"cmake --install failed:\n{result.stdout}{result.stderr}")
        return
    check_tree(scratch)


def deb(package):
    listing = run(["dpkg-deb", "-c", package])
    if listing.returncode != 0:
        fail(f"dpkg-deb -c failed: {listing.stderr}")
        return
    paths = {line.split()[-1].lstrip(".") for line in listing.stdout.splitlines()}
    for name in [f"bin/{p}" for p in PROGRAMS] + FILES:
        if "/usr/" + name not in paths:
            fail(f"the package does not hold /usr/{name}")
    depends = run(["dpkg-deb", "-f", package, "Depends"]).stdout
    names = {d.strip().split(" ")[0] for d in depends.split(",")}
    for name in DEPENDS:
        if name not in names:
            fail(f"the package does not depend on {name}")
    unknown = [n for n in names if run(["apt-cache", "show", n]).returncode != 0]
    if unknown:
        fail(f"dependencies that are no package here: {unknown}")
    with tempfile.TemporaryDirectory() as unpacked:
        run(["dpkg-deb", "-x", package, unpacked], check=True)
        check_tree(os.path.join(unpacked, "usr"))


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "tree":
        tree(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 3 and sys.argv[1] == "deb":
        deb(sys.argv[2])
    else:
        print(__doc__)
        return 2
    if failures:
        print(f"{len(failures)} problem(s)")
        return 1
    print("installed tree is complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
