#!/usr/bin/env python3
"""Checks the includes of src/ against the order of the layers and of the components in them.

    scripts/check_layers.py            prints each include that points upwards, exit 1 if any

The layers, lowest first: the platform's stand-ins (src/platform), the system (src/system), the
front ends (src/frontend). Within a layer the components have an order of their own (COMPONENTS
below, lowest first; components of one rank do not include each other). An include may point to
a component of a lower layer, or to a lower component of its own layer, never upwards and never
sideways; the platform and the system include no Qt header.

KNOWN_UPWARD lists the upward includes that are still there; each is reported as known. One that
is gone must be taken off the list, so that it cannot come back unnoticed.
"""

import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SRC = ROOT / "src"

# Layer, then the rank of each component in it (its include name, the folder below src/
# without the layer for the system and the front ends).
COMPONENTS = {
    "platform": {
        "platform/catalog": 0,
        "platform/vb": 1,
        "platform/registry": 1,
        "platform/forms": 2,
        "platform/office": 2,
        "platform/shell": 2,
        "platform/msproject": 3,
        "platform/excel": 3,
    },
    "system": {
        "chart": 0,
        "plan": 0,
        "export": 1,
        "roles": 1,
        "settings": 1,
        "dialogs": 1,
        "wizard": 2,
        "addin": 3,
    },
    "frontend": {
        "render": 0,
        "gui/forms": 0,
        "gui/shell": 0,
        "gui/preview": 1,
        "gui/roles": 1,
        "gui/help": 1,
        "cli": 2,
        "gui/host": 2,
    },
}
LAYERS = ["platform", "system", "frontend"]
# Made by the build for every layer (the version).
GENERATED = {"version"}

# (including component, included component): upward includes that are still there.
KNOWN_UPWARD = set()

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.MULTILINE)


def component_of_include(path):
    """(layer, component) of an include text, or None for what is not a component's."""
    for layer in LAYERS:
        for component in COMPONENTS[layer]:
            if path.startswith(component + "/"):
                return layer, component
    return None


def component_of_file(file):
    rel = file.relative_to(SRC).as_posix()
    layer, _, rest = rel.partition("/")
    name = rel if layer == "platform" else rest
    for component in COMPONENTS.get(layer, {}):
        if name.startswith(component + "/"):
            return layer, component
    return None


def main():
    problems = []
    known_seen = set()
    for file in sorted(SRC.rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        rel = file.relative_to(ROOT).as_posix()
        owner = component_of_file(file)
        if owner is None:
            problems.append(f"{rel}: in no component of the layers")
            continue
        layer, component = owner
        text = file.read_text(encoding="utf-8")
        for kind, path in INCLUDE.findall(text):
            if kind == "<":
                if layer != "frontend" and re.match(r"Q[A-Za-z]+$", path):
                    problems.append(f"{rel}: includes Qt ({path}) below the front ends")
                continue
            if "/" not in path or path.split("/")[0] in GENERATED:
                continue
            target = component_of_include(path)
            if target is None:
                problems.append(f"{rel}: includes {path}, of no component")
                continue
            to_layer, to_component = target
            if to_component == component:
                continue
            own, other = LAYERS.index(layer), LAYERS.index(to_layer)
            if other < own:
                continue
            if other > own:
                problems.append(f"{rel}: includes {path}, a layer above ({to_layer})")
                continue
            rank, to_rank = COMPONENTS[layer][component], COMPONENTS[layer][to_component]
            if to_rank < rank:
                continue
            if (component, to_component) in KNOWN_UPWARD:
                known_seen.add((component, to_component))
                continue
            where = "above" if to_rank > rank else "beside"
            problems.append(f"{rel}: includes {path}, a component {where} {component}")
    for edge in sorted(KNOWN_UPWARD - known_seen):
        problems.append(f"{edge[0]} no longer includes {edge[1]}: take it off KNOWN_UPWARD")
    for edge in sorted(known_seen):
        print(f"known, still to be removed: {edge[0]} includes {edge[1]}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
