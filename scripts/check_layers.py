#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer it may not use.

The layers, from the bottom: base and physics, engines, platform, ui, tabs,
app. Each may include its own headers and those of the layers it is built on
(LAYERS below), never a layer above it or beside it. The tests of the layers
that run without windows (base, physics, engines) are held to the same rule.

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
    "app": ["tabs", "ui", "engines", "platform", "base", "physics"],
    "calc": ["engines", "base", "physics"],
}
CHECKED_TESTS = ["base", "physics", "engines", "calc"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"/]+)/[^"]+"', re.MULTILINE)


def allowed(layer):
    seen, todo = {layer}, [layer]
    while todo:
        for below in LAYERS[todo.pop()]:
            if below not in seen:
                seen.add(below)
                todo.append(below)
    return seen


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
    return found


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    found = faults(root)
    for fault in found:
        print(fault, file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
