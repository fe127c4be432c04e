#!/usr/bin/env python3
"""The layer check run on made-up source trees: clean ones pass, and an
include that reaches up a layer fails naming the file, the line and the
include."""

import os
import subprocess
import sys
import tempfile
import unittest

CHECK = os.environ.get("CHECK_LAYERS") or os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "check-layers.py")


class LayerCheck(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.src = os.path.join(self.dir.name, "src")
        self.layers = []
        # Two layers; "mixed" holds pure code of the lower one and window
        # units of the upper one side by side.
        self.add("low", "low/a.cpp", '#include "low/a.h"\n')
        self.add(None, "low/a.h", "#pragma once\n")
        self.add("high", "mixed/Window.cpp", '#include "mixed/Window.h"\n#include "low/a.h"\n')
        self.add(None, "mixed/Window.h", '#pragma once\n#include "low/a.h"\n')
        self.add("low", "mixed/pure.cpp", '#include "mixed/pure.h"\n')
        self.add(None, "mixed/pure.h", "#pragma once\n")

    def tearDown(self):
        self.dir.cleanup()

    def add(self, layer, name, text):
        path = os.path.join(self.src, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        if layer:
            self.layers.append(f"{layer} {path}\n")

    def run_check(self):
        listing = os.path.join(self.dir.name, "layers.txt")
        with open(listing, "w", encoding="utf-8") as f:
            f.writelines(self.layers)
        return subprocess.run([sys.executable, CHECK, listing, self.src], capture_output=True, text=True)

    def test_a_tree_that_keeps_its_layers_passes(self):
        # Generated and system headers are no files of the tree.
        self.add(None, "low/b.h", '#include "ui_Window.h"\n#include <vector>\n')
        result = self.run_check()
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_a_lower_file_including_a_higher_header_fails(self):
        self.add("low", "low/c.cpp", '#include "low/a.h"\n\n#include "mixed/Window.h"\n')
        result = self.run_check()
        self.assertEqual(result.returncode, 1)
        self.assertIn('src/low/c.cpp:3: #include "mixed/Window.h" is a header of high, '
                      "above this file's layer low", result.stdout)
        self.assertEqual(result.stdout.count("#include"), 1)

    def test_a_header_without_source_takes_the_layer_of_its_style(self):
        self.add(None, "mixed/helper.h", '#pragma once\n#include "mixed/Window.h"\n')
        self.add(None, "mixed/Context.h", '#pragma once\n#include "mixed/Window.h"\n')
        result = self.run_check()
        self.assertEqual(result.returncode, 1)
        self.assertIn('src/mixed/helper.h:2: #include "mixed/Window.h"', result.stdout)
        self.assertNotIn("Context.h", result.stdout)

    def test_an_include_beside_the_file_is_found_there(self):
        self.add("low", "low/d.cpp", '#include "../mixed/Window.h"\n')
        result = self.run_check()
        self.assertEqual(result.returncode, 1)
        self.assertIn('src/low/d.cpp:1: #include "../mixed/Window.h"', result.stdout)


if __name__ == "__main__":
    unittest.main()
