#!/usr/bin/env python3
"""The layer check on small trees: what it lets pass and what it names."""

import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
import check_layers  # noqa: E402

# Two layers and a program beside the lower one, as the real tree has them.
TREE = {
    "src/base/CMakeLists.txt": "add_library(lib_base STATIC a.cpp)\n",
    "src/base/a.h": "#include <string>\n",
    "src/base/a.cpp": '#include "base/a.h"\n',
    "src/upper/CMakeLists.txt": "add_library(lib_upper STATIC b.cpp)\ntarget_link_libraries(lib_upper PUBLIC lib_base)\n",
    "src/upper/b.cpp": '#include "upper/b.h"\n#include "base/a.h"\n',
    "src/upper/b.h": "",
    "src/upper/win32/w.cpp": '#include <windows.h>\n#include "upper/b.h"\n',
    "src/tool/CMakeLists.txt": "# beside upper, on base\nadd_executable(tool t.cpp)\ntarget_link_libraries(tool PRIVATE lib_base)\n",
    "src/tool/t.cpp": '#include "base/a.h"\n',
    "tests/support/CMakeLists.txt": "add_library(support STATIC s.cpp)\ntarget_link_libraries(support PUBLIC lib_base)\n",
    "tests/support/s.cpp": '#include "base/a.h"\n',
    "tests/upper/b_test.cpp": '#include "upper/b.h"\n#include "support/s.h"\n',
}


def problems_with(extra):
    with tempfile.TemporaryDirectory() as folder:
        root = pathlib.Path(folder)
        for name, text in {**TREE, **extra}.items():
            path = root / name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text, encoding="utf-8")
        return check_layers.check(root)


class CheckLayersTest(unittest.TestCase):
    def test_a_tree_whose_includes_point_down_passes(self):
        self.assertEqual(problems_with({}), [])

    def test_each_fault_is_named_with_its_file_line_and_include(self):
        cases = [
            ("src/base/a.cpp", '#include "base/a.h"\n#include "upper/b.h"\n',
             'src/base/a.cpp:2: includes "upper/b.h", which is above layer base'),
            ("src/tool/t.cpp", '#include "upper/b.h"\n',
             'src/tool/t.cpp:1: includes "upper/b.h", which is above layer tool'),
            ("src/upper/b.h", "#include <Windows.h>\n",
             "src/upper/b.h:1: includes <Windows.h> outside a win32 folder"),
            ("tests/support/s.cpp", '#include "upper/b.h"\n',
             'tests/support/s.cpp:1: includes "upper/b.h", which is above layer support'),
            ("tests/base/a_test.cpp", '#include "upper/b.h"\n',
             'tests/base/a_test.cpp:1: includes "upper/b.h", which is above layer base'),
        ]
        for name, text, expected in cases:
            with self.subTest(name=name):
                self.assertEqual(problems_with({name: text}), [expected])

    def test_a_new_folder_is_judged_by_the_links_its_own_build_declares(self):
        newcomer = {
            "src/extra/CMakeLists.txt": "add_library(lib_extra STATIC e.cpp)\ntarget_link_libraries(lib_extra PUBLIC lib_upper)\n",
            "src/extra/e.cpp": '#include "upper/b.h"\n#include "base/a.h"\n',
        }
        self.assertEqual(problems_with(newcomer), [])
        newcomer["src/extra/CMakeLists.txt"] = "add_library(lib_extra STATIC e.cpp)\n"
        self.assertEqual(len(problems_with(newcomer)), 2)


if __name__ == "__main__":
    unittest.main()
