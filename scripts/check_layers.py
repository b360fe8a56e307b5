#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer it may not use.

The layers, from the bottom: base and physics, engines, platform, ui, tabs,
network (the network window), app. Each may include its own headers and
those of the layers it is built on (LAYERS below), never a layer above it or beside it. The tests of the layers
that run without windows (base, physics, engines) are held to the same rule.
Inside a folder the files include each other one way: no include cycle
between its modules (x.h and x.cpp are the module x). The sizing records and
calls (QT_FREE) include no Qt header, not even through another header, so that
a caller on numbers needs nothing of Qt.

Usage: check_layers.py [SOURCE_ROOT]   (default: the folder above this script)
"""
import pathlib
import re
import sys

# What each layer is built on (directly); a layer may include the headers of
# everything reachable from here.
LAYERS = {
    "base": [],
    "physics": [],
    "engines": ["base", "physics"],
    "platform": ["base"],
    "ui": ["platform", "base"],
    "tabs": ["ui", "engines", "platform"],
    "network": ["tabs", "ui", "engines", "platform", "base"],
    "app": ["network", "tabs", "ui", "engines", "platform", "base", "physics"],
    "calc": ["engines", "base", "physics"],
}
CHECKED_TESTS = ["base", "physics", "engines", "calc"]
QT_FREE = ["src/engines/*_sizing.h", "src/engines/sizing_status.h"]
QT_INCLUDE = re.compile(r'^\s*#\s*include\s*<(Q[A-Za-z]+)>', re.MULTILINE)
ANY_OWN_INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"/]+)/[^"]+"', re.MULTILINE)
OWN_INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"/]+)/([^"/]+)\.h"', re.MULTILINE)


def allowed(layer):
    seen, todo = {layer}, [layer]
    while todo:
        for below in LAYERS[todo.pop()]:
            if below not in seen:
                seen.add(below)
                todo.append(below)
    return seen


def include_cycle(folder):
    """One include cycle between the files of a source folder, as a list of
    module names (x.h and x.cpp are the module x), or None."""
    edges = {}
    for path in folder.glob("*"):
        if path.suffix not in (".h", ".cpp", ".c"):
            continue
        text = path.read_text(encoding="utf-8", errors="replace")
        for match in OWN_INCLUDE.finditer(text):
            if match.group(1) == folder.name and match.group(2) != path.stem:
                edges.setdefault(path.stem, set()).add(match.group(2))
    state = {}  # module -> 1 on the current path, 2 done

    def visit(module, path):
        state[module] = 1
        for target in sorted(edges.get(module, ())):
            if state.get(target) == 1:
                return path[path.index(target):] + [target]
            if target not in state:
                found = visit(target, path + [target])
                if found:
                    return found
        state[module] = 2
        return None

    for module in sorted(edges):
        if module not in state:
            found = visit(module, [module])
            if found:
                return found
    return None


def qt_include(root, header, seen=None):
    """The first Qt header that a project header includes, itself or through the
    project headers it includes, as "path: <QName>"; None when there is none."""
    seen = seen if seen is not None else set()
    if header in seen or not header.is_file():
        return None
    seen.add(header)
    text = header.read_text(encoding="utf-8", errors="replace")
    match = QT_INCLUDE.search(text)
    if match:
        return f"{header.relative_to(root)}: <{match.group(1)}>"
    for included in ANY_OWN_INCLUDE.finditer(text):
        found = qt_include(root, root / "src" / included.group(1), seen)
        if found:
            return found
    return None


def faults(root):
    found = []
    sources = [(p, p.parent.name) for p in (root / "src").glob("*/*") if p.parent.name in LAYERS]
    sources += [(root / "src" / "main.cpp", "app")]
    for layer in CHECKED_TESTS:
        sources += [(p, layer) for p in (root / "tests" / layer).glob("*")]
    for path, layer in sources:
        if path.suffix not in (".h", ".cpp", ".c"):
            continue
        text = path.read_text(encoding="utf-8", errors="replace")
        may = allowed(layer)
        for match in INCLUDE.finditer(text):
            target = match.group(1)
            if target in LAYERS and target not in may:
                line = text.count("\n", 0, match.start()) + 1
                found.append(f"{path.relative_to(root)}:{line}: {layer} may not include {target}/ "
                             f"(it may use: {', '.join(sorted(may))})")
    for pattern in QT_FREE:
        for header in sorted(root.glob(pattern)):
            found_qt = qt_include(root, header)
            if found_qt:
                found.append(f"{header.relative_to(root)}: must include no Qt header, includes {found_qt}")
    for folder in sorted(p for p in (root / "src").iterdir() if p.name in LAYERS):
        cycle = include_cycle(folder)
        if cycle:
            found.append(f"src/{folder.name}: include cycle {' -> '.join(cycle)}")
    return found


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    found = faults(root)
    for fault in found:
        print(fault, file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
