#!/usr/bin/env python3
"""Fails when an include points up the layers or a Windows header leaves win32.

Usage: check_layers.py [ROOT]

The layers are read from the build, not listed here: every folder under src/
that holds a CMakeLists.txt is a layer, its libraries are the targets it adds,
and the layers it may include from are those its libraries link, directly or
through others. So a new folder is judged by the links its own CMakeLists.txt
declares. A file in src/<layer>/ or tests/<layer>/ (and bench/, fuzz/) may include
headers of its own layer and of the layers below; tests may also include the
shared test support. Windows headers are allowed only in a folder named win32.
"""

import pathlib
import re
import sys

SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc", ".rc"}

# System headers that only exist on Windows.
WINDOWS_HEADERS = {
    "windows.h", "windowsx.h", "winuser.h", "wingdi.h", "winbase.h", "winnt.h",
    "commctrl.h", "commdlg.h", "shellapi.h", "shlobj.h", "shlwapi.h", "objbase.h",
    "ole2.h", "psapi.h", "tlhelp32.h", "winerror.h", "winreg.h", "winsock2.h",
    "ws2tcpip.h", "io.h", "conio.h", "process.h", "bcrypt.h", "wincrypt.h",
    "ntsecapi.h", "uxtheme.h", "dwmapi.h", "versionhelpers.h", "sdkddkver.h",
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
ADD_TARGET = re.compile(r"\badd_(?:library|executable)\s*\(\s*([A-Za-z0-9_.+-]+)")
LINK = re.compile(r"\btarget_link_libraries\s*\(\s*([A-Za-z0-9_.+-]+)([^)]*)\)", re.DOTALL)


def read_targets(folder):
    """The targets the CMakeLists.txt files under folder add, and their links."""
    added = {}  # target -> first folder under `folder`
    links = {}  # target -> linked names
    for cmake in sorted(folder.rglob("CMakeLists.txt")):
        parts = cmake.parent.relative_to(folder).parts
        if not parts:
            continue
        text = re.sub(r"#[^\n]*", "", cmake.read_text(encoding="utf-8"))
        for target in ADD_TARGET.findall(text):
            added[target] = parts[0]
        for target, rest in LINK.findall(text):
            links.setdefault(target, set()).update(rest.split())
    return added, links


def layers_below(added, links, owner):
    """Maps each folder of `added` to the layers its targets link, at any depth."""
    def below(target, seen):
        for name in links.get(target, ()):
            if name in owner and name not in seen:
                seen.add(name)
                below(name, seen)
        return seen

    folders = {folder: set() for folder in added.values()}
    for target, folder in added.items():
        folders[folder].update(owner[t] for t in below(target, set()))
    return folders


def check(root):
    owner, links = read_targets(root / "src")
    layers = layers_below(owner, links, owner)
    for layer in layers:
        layers[layer].discard(layer)
    # A test folder is its layer's; one without a layer (the shared support)
    # is judged by what its own targets link.
    test_added, test_links = read_targets(root / "tests")
    test_only = {t: f for t, f in test_added.items() if f not in layers}
    unowned = layers_below(test_only, {**links, **test_links}, owner)
    problems = []
    for top in ("src", "tests", "bench", "fuzz"):
        for path in sorted((root / top).rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
                continue
            relative = path.relative_to(root)
            parts = relative.parts
            layer = parts[1] if len(parts) > 2 else None
            if top in ("bench", "fuzz"):
                allowed = set(layers)  # a benchmark or fuzzer may drive any layer
            elif layer in layers:
                allowed = {layer} | layers[layer]
            else:
                allowed = set(unowned.get(layer, ()))
            if top == "tests":
                allowed.add("support")
            windows_allowed = "win32" in parts[:-1]
            text = path.read_text(encoding="utf-8", errors="replace")
            for match in INCLUDE.finditer(text):
                kind, header = match.groups()
                line = text.count("\n", 0, match.start()) + 1
                where = f"{relative}:{line}"
                if kind == "<" and header.lower() in WINDOWS_HEADERS and not windows_allowed:
                    problems.append(f"{where}: includes <{header}> outside a win32 folder")
                first = header.split("/")[0]
                if kind == '"' and "/" in header and first in set(layers) | {"support"}:
                    if first not in allowed and layer is not None:
                        if layer in layers or layer in unowned or top == "tests":
                            problems.append(f"{where}: includes \"{header}\", which is above layer {layer}")
                        else:
                            problems.append(f"{where}: includes \"{header}\", but {top}/{layer} builds no "
                                            "library or program that places it among the layers")
    return problems


def main(argv):
    root = pathlib.Path(argv[1] if len(argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    problems = check(root)
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        return 1
    print(f"layers: every include of {root.name} points down")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
