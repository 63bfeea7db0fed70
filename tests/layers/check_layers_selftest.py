#!/usr/bin/env python3
"""Plants one include per forbidden edge in a scratch tree and checks the layer check names each."""
import os
import subprocess
import sys
import tempfile

# Include lines of the window system's headers, assembled so that this file holds none itself.
def toolkit(header):
    return "#" + "include <" + header + ">"


CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check_layers.py")

FORBIDDEN = [
    ("engine/A.cpp", '#include "view/RowView.h"'),
    ("engine/B.cpp", '#include "commands/EditModes.h"'),
    ("engine/C.cpp", '#include "shell/MainFrame.h"'),
    ("engine/D.cpp", toolkit("gtk/gtk.h")),
    ("engine/E.cpp", '#include "platform/framework/SystemServices.h"'),
    ("view/A.cpp", '#include "commands/EditModes.h"'),
    ("view/B.cpp", '#include "shell/MainFrame.h"'),
    ("commands/A.cpp", '#include "shell/MainFrame.h"'),
    ("res/A.cpp", '#include "platform/framework/Wnd.h"'),
    ("res/B.cpp", '#include "engine/BinData.h"'),
    ("platform/base/A.cpp", '#include "platform/framework/Wnd.h"'),
    ("platform/base/B.cpp", '#include "engine/BinData.h"'),
    ("platform/framework/A.cpp", '#include "res/Resource.h"'),
    ("platform/framework/B.cpp", '#include "platform/headless/HeadlessDC.h"'),
    ("platform/framework/C.cpp", '#include "platform/wx/WxDC.h"'),
    ("platform/headless/A.cpp", toolkit("wx/window.h")),
    ("shell/A.cpp", toolkit("wx/wx.h")),
    ("tests/engine/A.cpp", toolkit("wx/string.h")),
    ("tests/wx/A.cpp", toolkit("gtk/gtk.h")),
    ("bench/A.cpp", toolkit("wx/wx.h")),
    ("engine/F.cpp", toolkit("windows.h")),
    ("shell/B.cpp", toolkit("Windows.h")),
    ("platform/framework/D.cpp", toolkit("commdlg.h")),
    ("platform/base/C.cpp", toolkit("windows.h")),
    ("platform/win32/A.cpp", '#include "engine/BinData.h"'),
    ("platform/win32/B.cpp", toolkit("wx/wx.h")),
]

ALLOWED = [
    ("shell/Z.cpp", '#include "commands/EditModes.h"'),
    ("view/Z.cpp", '#include "engine/BinData.h"'),
    ("view/Y.cpp", '#include "platform/framework/SystemServices.h"'),
    ("engine/Z.cpp", '#include "platform/framework/Document.h"'),
    ("res/Z.cpp", '#include "platform/base/Types.h"'),
    ("platform/wx/Z.cpp", toolkit("wx/wx.h")),
    ("app/Z.cpp", toolkit("wx/wx.h")),
    ("tests/wx/Z.cpp", '#include "platform/wx/probe/WxProbe.h"'),
    ("platform/base/win32/Z.cpp", toolkit("windows.h")),
    ("platform/win32/Z.cpp", toolkit("windows.h")),
    ("platform/win32/Y.cpp", '#include "platform/framework/Wnd.h"'),
    ("tests/win32/Z.cpp", toolkit("windows.h")),
]


def plant(root, files):
    for path, line in files:
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w") as source:
            source.write(line + "\n")


def run_check(root):
    result = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)
    return result.returncode, result.stdout


def main():
    failures = []
    with tempfile.TemporaryDirectory() as clean:
        plant(clean, ALLOWED)
        code, output = run_check(clean)
        if code != 0:
            failures.append("allowed includes were reported:\n" + output)
    for path, line in FORBIDDEN:
        with tempfile.TemporaryDirectory() as tree:
            plant(tree, ALLOWED + [(path, line)])
            code, output = run_check(tree)
            if code == 0 or path + ":1:" not in output:
                failures.append(f"not reported: {path}: {line}")
    for failure in failures:
        print(failure)
    print(f"{len(FORBIDDEN)} planted violations, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
