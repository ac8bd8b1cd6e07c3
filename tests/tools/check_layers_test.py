#!/usr/bin/env python3
"""The layer check on small trees: each planted upward include is caught, and a
tree whose includes point down passes."""
import os
import subprocess
import sys
import tempfile

SCRIPT = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "check-layers")

BASE = {
    "platform/av.h": "#pragma once\n#include <cstdint>\n",
    "telemetry/CMakeLists.txt": "add_library(motrevix_telemetry STATIC reader.cpp)\n"
                                "add_library(motrevix_telemetry_ui STATIC graph.cpp)\n"
                                "target_link_libraries(motrevix_telemetry_ui PUBLIC Qt6::Widgets)\n",
    "telemetry/reader.h": '#pragma once\n#include "platform/av.h"\n',
    "telemetry/reader.cpp": '#include "telemetry/reader.h"\n',
    "telemetry/graph.h": "#pragma once\n#include <QWidget>\n",
    "telemetry/graph.cpp": '#include "telemetry/graph.h"\n#include "telemetry/reader.h"\n',
    "playback/engine.h": '#pragma once\n#include "telemetry/reader.h"\n',
    "app/control_ids.h": "#pragma once\n",
    "app/window.cpp": '#include "playback/engine.h"\n#include "telemetry/graph.h"\n',
    "view/rule.cpp": '#include "app/control_ids.h"\n',
}

CASES = [
    ("a tree whose includes point down", {}, 0),
    ("core includes the engine", {"telemetry/reader.h": '#include "playback/engine.h"\n'}, 1),
    ("engine includes the window", {"playback/engine.h": '#include "app/window.h"\n'}, 1),
    ("a view rule includes the window", {"view/rule.cpp": '#include "app/window.h"\n'}, 1),
    ("the engine includes a widget", {"playback/engine.h": "#include <QLabel>\n"}, 1),
    ("a core library source includes widget code",
     {"telemetry/reader.cpp": '#include "telemetry/graph.h"\n'}, 1),
]


def run(files):
    with tempfile.TemporaryDirectory() as root:
        for rel, text in files.items():
            path = os.path.join(root, rel)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w") as f:
                f.write(text)
        return subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)


def main():
    passed = failed = 0
    for name, planted, expected in CASES:
        result = run({**BASE, **planted})
        if result.returncode == expected:
            passed += 1
        else:
            failed += 1
            print(f"FAILED: {name}: exit {result.returncode}, expected {expected}\n{result.stdout}")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
