#!/usr/bin/env python3
"""Checks the shape of the sources: no include circle between units (a
header and its source file are one unit), and the libraries that must not
draw widgets include none."""
import re
import sys
from pathlib import Path

root = Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
folders = [p for p in root.iterdir() if p.is_dir() and (p / "CMakeLists.txt").exists()
           and p.name not in ("tests", "bench", "build", "i18n")]
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)

graph = {}
widget_users = {}
for folder in folders:
    for source in folder.glob("*.[ch]*"):
        if source.suffix not in (".h", ".cpp"):
            continue
        unit = f"{folder.name}/{source.stem}"
        text = source.read_text(encoding="utf-8")
        targets = graph.setdefault(unit, set())
        for name in include.findall(text):
            other = str(Path(name).with_suffix(""))
            if other != unit and (root / name).exists():
                targets.add(other)
        if re.search(r"#\s*include\s+<Q(Widget|Dialog|Label|PushButton|LineEdit|Application)\b", text):
            widget_users.setdefault(folder.name, []).append(source.name)

problems = []
state = {}


def visit(unit, path):
    state[unit] = "open"
    for other in sorted(graph.get(unit, ())):
        if state.get(other) == "open":
            circle = path[path.index(other):] + [other]
            problems.append("include circle: " + " -> ".join(circle))
        elif other not in state:
            visit(other, path + [other])
    state[unit] = "done"


for unit in sorted(graph):
    if unit not in state:
        visit(unit, [unit])

# The web server and the game run without a screen.
for folder in ("web", "game", "hall", "teams", "settings", "base"):
    for name in widget_users.get(folder, []):
        problems.append(f"{folder}/{name} uses Qt Widgets")
    cmake = (root / folder / "CMakeLists.txt").read_text(encoding="utf-8")
    if "Qt6::Widgets" in cmake:
        problems.append(f"{folder}/CMakeLists.txt links Qt Widgets")

for problem in problems:
    print(problem)
sys.exit(1 if problems else 0)
