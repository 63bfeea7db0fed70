#!/usr/bin/env python3
"""Fails when a source file includes a header from a layer it may not depend on.

Usage: check_layers.py SOURCE_ROOT
"""
import os
import re
import sys

# Folder -> folders its files may include (besides their own folder and system headers).
# The most specific folder wins.
BASE = ["platform/base"]
FRAMEWORK = BASE + ["platform/framework"]
ENGINE = FRAMEWORK + ["res", "engine"]
VIEW = ENGINE + ["view"]
COMMANDS = VIEW + ["commands"]
SHELL = COMMANDS + ["shell"]
EVERYTHING = None

ALLOWED = {
    "platform/base": BASE,
    "platform/framework": FRAMEWORK,
    "platform/headless": FRAMEWORK + ["platform/headless"],
    "platform/wx": FRAMEWORK + ["platform/wx"],
    "platform/win32": FRAMEWORK + ["platform/win32"],
    "res": BASE + ["res"],
    "engine": ENGINE,
    "view": VIEW,
    "commands": COMMANDS,
    "shell": SHELL,
    "app": EVERYTHING,
    "tests": EVERYTHING,
    "bench": EVERYTHING,
}

# Headers a layer may not include although their folder is allowed. The engine shows nothing to
# the user itself: it reports through its host (engine/DocumentHost.h).
FORBIDDEN_HEADERS = {
    "engine": ["platform/framework/SystemServices.h"],
}

# Only these folders may include the window system's headers.
TOOLKIT_FOLDERS = ["platform/wx", "app"]
TOOLKIT_HEADER = re.compile(r"^(wx|gtk|gdk|glib|gio|gobject|pango|cairo|X11)\b")

# Only these folders may include the Win32 API's headers: the Windows halves of the plain
# services, the Win32 backend, the program's entry point and the tests.
WIN32_FOLDERS = ["platform/base/win32", "platform/win32", "app", "tests", "bench"]
WIN32_HEADER = re.compile(
    r"^(windows|winbase|winuser|wingdi|winreg|winnt|windef|winspool|commctrl|commdlg|shellapi|"
    r"shlobj|shlwapi|imm|objbase|ole2|richedit|uxtheme|dwmapi|mmsystem|winver)\.h$",
    re.IGNORECASE)

SOURCE_SUFFIXES = (".h", ".cpp", ".inc")
SKIPPED_DIRS = {".git", "build", "docs", "scripts", "tools"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def folder_of(path, folders):
    """The longest folder in `folders` that contains `path`, or None."""
    best = None
    for folder in folders:
        if path == folder or path.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def source_files(root):
    for dirpath, dirnames, filenames in os.walk(root):
        rel_dir = os.path.relpath(dirpath, root)
        dirnames[:] = [d for d in dirnames
                       if not (rel_dir == "." and (d in SKIPPED_DIRS or d.startswith("build")))]
        for name in filenames:
            if name.endswith(SOURCE_SUFFIXES):
                yield os.path.normpath(os.path.join(rel_dir, name))


def resolve(root, including, header):
    """The repository path of a quoted include: beside the including file, or from the root."""
    beside = os.path.normpath(os.path.join(os.path.dirname(including), header))
    if os.path.exists(os.path.join(root, beside)):
        return beside
    return os.path.normpath(header)


def violations(root, path):
    layer = folder_of(path, ALLOWED)
    allowed = ALLOWED.get(layer) if layer else EVERYTHING
    toolkit_ok = folder_of(path, TOOLKIT_FOLDERS) is not None
    win32_ok = folder_of(path, WIN32_FOLDERS) is not None
    with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            delimiter, header = match.groups()
            where = f"{path}:{number}: "
            if TOOLKIT_HEADER.match(header) and not toolkit_ok:
                yield where + f"window-system header <{header}> outside {', '.join(TOOLKIT_FOLDERS)}"
                continue
            if WIN32_HEADER.match(header) and not win32_ok:
                yield where + f"Win32 header <{header}> outside {', '.join(WIN32_FOLDERS)}"
                continue
            if delimiter != '"' or allowed is None:
                continue
            target = resolve(root, path, header)
            if target in FORBIDDEN_HEADERS.get(layer, ()):
                yield where + f"{layer}/ may not include \"{header}\" (it reports through its host)"
                continue
            target_layer = folder_of(target, ALLOWED)
            if target_layer and target_layer != layer and target_layer not in allowed:
                yield where + f"{layer}/ may not include {target_layer}/ (\"{header}\")"


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "../..")
    root = os.path.abspath(root)
    checked = 0
    found = []
    for path in source_files(root):
        checked += 1
        found.extend(violations(root, path))
    for message in found:
        print(message)
    if checked == 0:
        print(f"no source files found under {root}")
        return 1
    print(f"{checked} files checked, {len(found)} forbidden includes")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
