#!/usr/bin/env python3
"""The packages used as a user would: the Debian package installed, the zip unpacked.

Usage: package_test.py PACKAGES_FOLDER WINDOWS_BUILD_FOLDER

The Debian package is installed with dpkg into a throw-away root and its
program and manual page are run from there. The zip is unpacked inside the
Windows build folder, whose Wine prefix tools/wine-run.sh then uses, and both
programs are run from the unpacked folder: the command-line program prints
three addresses, the window is shown and closed with Esc.
"""

import glob
import os
import re
import subprocess
import sys
import tempfile
import unittest
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools"))
import drive_window  # noqa: E402

ADDRESS = re.compile(r"^[0-9A-F]{2}(?::[0-9A-F]{2}){5}$")
PACKAGES = WINDOWS_BUILD = None


def only(pattern):
    found = glob.glob(os.path.join(PACKAGES, pattern))
    if len(found) != 1:
        raise AssertionError(f"expected one {pattern} in {PACKAGES}, found {found}")
    return found[0]


def run(command, **options):
    # Bytes as they come, line ends included, decoded as UTF-8.
    done = subprocess.run(command, capture_output=True, timeout=300, **options)
    done.stdout, done.stderr = done.stdout.decode(), done.stderr.decode(errors="replace")
    return done


class DebianPackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory(prefix="macbatch-deb-")
        cls.root = cls.folder.name
        for part in ("var/lib/dpkg/info", "var/lib/dpkg/updates", "var/lib/dpkg/triggers"):
            os.makedirs(os.path.join(cls.root, part))
        open(os.path.join(cls.root, "var/lib/dpkg/status"), "w").close()
        deb = only("macbatch-cli_*.deb")
        cls.version = re.search(r"macbatch-cli_([^_]+)_", os.path.basename(deb)).group(1)
        # The throw-away root has no C library of its own: the host's serves.
        installed = run(["dpkg", "--root", cls.root, "--force-depends", "--force-not-root",
                         "--force-script-chrootless", "--install", deb])
        if installed.returncode != 0:
            raise AssertionError("dpkg --install failed:\n" + installed.stdout + installed.stderr)

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def path(self, relative):
        return os.path.join(self.root, relative)

    def test_the_installed_program_prints_three_addresses_and_its_version(self):
        made = run([self.path("usr/bin/macbatch-cli"), "-n", "3"])
        self.assertEqual(made.returncode, 0, made.stderr)
        self.assertEqual(made.stderr, "")
        lines = made.stdout.split("\n")
        self.assertEqual(lines[-1], "")
        self.assertEqual(len(lines[:-1]), 3)
        for line in lines[:-1]:
            self.assertRegex(line, ADDRESS)
        version = run([self.path("usr/bin/macbatch-cli"), "--version"])
        self.assertIn(self.version, version.stdout)

    def test_the_installed_manual_page_reads_with_man(self):
        page = self.path("usr/share/man/man1/macbatch-cli.1.gz")
        shown = run(["man", "-l", page], env=dict(os.environ, MANPAGER="cat", MANWIDTH="100", LANG="C.UTF-8"))
        self.assertEqual(shown.returncode, 0, shown.stderr)
        for heading in ("NAME", "SYNOPSIS", "EXAMPLES", "--seed", "--lookup"):
            self.assertIn(heading, shown.stdout)

    def test_the_readme_and_copyright_stand_in_the_documentation(self):
        for name in ("README.md", "copyright", "changelog.gz"):
            self.assertTrue(os.path.isfile(self.path(f"usr/share/doc/macbatch-cli/{name}")), name)


class WindowsZipTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        archive = only("macbatch-*-windows-x86_64.zip")
        cls.unpacked = os.path.join(WINDOWS_BUILD, "package-test")
        subprocess.run(["rm", "-rf", cls.unpacked], check=True)
        with zipfile.ZipFile(archive) as zipped:
            zipped.extractall(cls.unpacked)
        top = os.listdir(cls.unpacked)
        cls.folder = os.path.join(cls.unpacked, top[0]) if len(top) == 1 else cls.unpacked

    def test_the_zip_holds_both_programs_and_the_readme(self):
        self.assertEqual(sorted(os.listdir(self.folder)), ["README.md", "macbatch-cli.exe", "macbatch.exe"])

    def test_the_unpacked_command_line_program_prints_three_addresses(self):
        made = run(["bash", os.path.join(ROOT, "tools/wine-run.sh"), os.path.join(self.folder, "macbatch-cli.exe"),
                    "-n", "3"], stdin=subprocess.DEVNULL)
        self.assertEqual(made.returncode, 0, made.stderr)
        lines = made.stdout.split("\r\n")
        self.assertEqual(lines[-1], "")
        self.assertEqual(len(lines[:-1]), 3)
        for line in lines[:-1]:
            self.assertRegex(line, ADDRESS)

    def test_the_unpacked_window_shows_and_closes_with_esc(self):
        with tempfile.TemporaryDirectory(prefix="macbatch-zip-") as workdir, \
                drive_window.Desktop(workdir) as desktop, \
                drive_window.Program(desktop, os.path.join(self.folder, "macbatch.exe")) as window:
            self.assertEqual(window.title(), "Mac批量生成   栖桐")
            window.keys("Escape")
            self.assertEqual(window.wait_exit(), 0)


if __name__ == "__main__":
    PACKAGES, WINDOWS_BUILD = (os.path.abspath(folder) for folder in sys.argv[1:3])
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
