#!/usr/bin/env python3
"""Drives macbatch.exe under Wine on a private X display, from outside only.

It gives the program real X input (xdotool: pointer clicks at the controls'
places, key presses) and watches only what a user can see: the X clipboard,
the window's title and geometry, screenshots and the exit code. A small
window manager draws the frame, so that screenshots look like a desktop.

Where a test must know more than a user sees from outside (the status line
while a batch runs, the texts of all boxes), Probe asks window_probe.exe,
which runs beside the program in the same Wine prefix and reads the controls
as an accessibility tool would.

Used by the end-to-end tests and, as `demo`, by tools/run.sh on a machine
without a display:

    drive_window.py demo PROGRAM.exe [--screenshot FILE.png]
"""

import argparse
import json
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SCREEN = (1920, 1080)
TOOLS = os.path.dirname(os.path.abspath(__file__))

# Places of the controls the driver uses: left, top, width, height in the
# window's client area.
PLACES = {
    "随机厂商": (112, 512, 56, 32),
    "复制": (230, 512, 64, 32),
    "个数": (53, 511, 56, 32),
    "前后缀": (0, 396, 56, 24),
    "单行显示": (24, 480, 72, 16),
    "连续显示": (112, 480, 72, 16),
    "分割符号": (259, 480, 29, 24),
    "前缀": (58, 396, 264, 24),
    "后缀": (57, 426, 265, 24),
    "输出": (-2, 0, 330, 384),
}

ADDRESS = "[0-9A-F]{2}(?::[0-9A-F]{2}){5}"


class DriveError(Exception):
    pass


def poll(what, probe, timeout, interval=0.05):
    """Calls probe until it gives something true; fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise DriveError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


JWM_CONFIG = """<?xml version="1.0"?>
<JWM>
  <FocusModel>click</FocusModel>
  <WindowStyle>
    <Font>WenQuanYi Micro Hei-9:bold</Font>
  </WindowStyle>
</JWM>
"""


class Started:
    """A context whose start, if it fails half-way, stops what it had started."""

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self


class Desktop(Started):
    """A private Xvfb display with a window manager on it."""

    def __init__(self, workdir):
        self.workdir = workdir
        self.processes = []
        self.env = None

    def _start(self):
        read_end, write_end = os.pipe()
        width, height = SCREEN
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0", f"{width}x{height}x24"],
            pass_fds=[write_end], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.processes.append(xvfb)
        number = b""
        deadline = time.monotonic() + 30
        with os.fdopen(read_end, "rb", buffering=0) as pipe:
            while not number.endswith(b"\n"):
                if not select.select([pipe], [], [], max(0.0, deadline - time.monotonic()))[0]:
                    raise DriveError("Xvfb did not report its display")
                chunk = pipe.read(16)
                if not chunk:
                    raise DriveError("Xvfb ended before it reported its display")
                number += chunk
        self.env = dict(os.environ, DISPLAY=":" + number.decode().strip())
        self.env.pop("WAYLAND_DISPLAY", None)

        config = os.path.join(self.workdir, "jwmrc")
        with open(config, "w", encoding="utf-8") as file:
            file.write(JWM_CONFIG)
        # Once seen under load, the manager never announced itself: a second
        # one is started in its place before the run is given up.
        log = os.path.join(self.workdir, "jwm.log")
        for attempt in (1, 2):
            with open(log, "ab") as output:
                manager = subprocess.Popen(["jwm", "-f", config], env=self.env,
                                           stdin=subprocess.DEVNULL, stdout=output, stderr=output)
            self.processes.append(manager)
            try:
                poll("the window manager",
                     lambda: "window id" in self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 30)
                return
            except DriveError as error:
                manager.terminate()
                manager.wait(timeout=10)
                if attempt == 2:
                    with open(log, "rb") as output:
                        said = output.read().decode(errors="replace").strip()
                    raise DriveError(f"{error} (jwm {'said: ' + said if said else 'said nothing'})") from None

    def __exit__(self, *_):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def x(self, *command, check=False, timeout=10):
        """Runs an X client on this display and gives its output ('' on failure unless check)."""
        try:
            result = subprocess.run(command, env=self.env, stdin=subprocess.DEVNULL, capture_output=True,
                                    timeout=timeout)
        except subprocess.TimeoutExpired:
            raise DriveError(f"{command[0]} did not finish within {timeout} s") from None
        if check and result.returncode != 0:
            raise DriveError(f"{command[0]} failed: {result.stderr.decode(errors='replace').strip()}")
        return result.stdout.decode("utf-8", errors="replace") if result.returncode == 0 else ""

    def clipboard(self):
        """The clipboard's text as X offers it, or None while it holds none."""
        try:
            result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env,
                                    stdin=subprocess.DEVNULL, capture_output=True, timeout=10)
        except subprocess.TimeoutExpired:
            raise DriveError("xclip did not finish within 10 s") from None
        return result.stdout.decode("utf-8", errors="replace") if result.returncode == 0 else None


def build_folder_of(program):
    folder = os.path.dirname(os.path.abspath(program))
    while folder != "/" and not os.path.isfile(os.path.join(folder, "CMakeCache.txt")):
        folder = os.path.dirname(folder)
    if folder == "/":
        raise DriveError(f"no build folder above {program}")
    return folder


class Program(Started):
    """macbatch.exe running under Wine on a Desktop, through tools/wine-run.sh.

    wine-run.sh keeps the build folder's Wine prefix, serialises its users and
    stops the Wine server when the program has ended."""

    def __init__(self, desktop, program, lang="zh_CN.UTF-8"):
        self.desktop = desktop
        self.program = os.path.abspath(program)
        self.env = dict(desktop.env, MACBATCH_WINE_LANG=lang)
        self.prefix = os.path.join(build_folder_of(program), "wineprefix")
        self.process = None
        self.window = None
        self.log = os.path.join(desktop.workdir, "wine.log")

    def _start(self):
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen(["bash", os.path.join(TOOLS, "wine-run.sh"), self.program],
                                            env=self.env, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                            start_new_session=True)
        classname = "^" + re.escape(os.path.basename(self.program)) + "$"

        def shown():
            if self.process.poll() is not None:
                raise DriveError(f"the program ended with {self.process.returncode} before showing its window")
            found = self.desktop.x("xdotool", "search", "--onlyvisible", "--classname", classname).split()
            return found[0] if found else None

        # Generous: a new Wine prefix is made first, and another user may hold it.
        self.window = poll("the window to be shown", shown, 240)
        # The window manager hands the focus to a new window; input before that is lost.
        poll("the window to take the focus",
             lambda: self.window in self.desktop.x("xdotool", "getactivewindow").split(), 30)

    def __exit__(self, *_):
        if self.process is None:
            return
        if self.process.poll() is None:
            if self.window is not None:
                # Ends the program; wine-run.sh then tidies up and returns.
                subprocess.run(["wineserver", "-k"], env=dict(self.env, WINEPREFIX=self.prefix),
                               stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
            else:
                # Perhaps still waiting for the prefix: leave its holder alone.
                os.killpg(self.process.pid, signal.SIGTERM)
        try:
            self.process.wait(timeout=60)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()

    def title(self):
        return self.desktop.x("xdotool", "getwindowname", self.window, check=True).rstrip("\n")

    def _geometry(self, window):
        info = self.desktop.x("xwininfo", "-id", window, check=True)

        def field(name):
            match = re.search(r"^\s*" + re.escape(name) + r":\s*(-?\d+)", info, re.M)
            if not match:
                raise DriveError(f"xwininfo gave no {name}")
            return int(match.group(1))

        return (field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"))

    def client_rect(self):
        """Left, top, width, height of the client area on the screen.

        The window manager draws the frame, so the program's X window is its
        client area."""
        return self._geometry(self.window)

    def frame_rect(self):
        """Left, top, width, height of the window with the frame drawn around it."""
        tree = self.desktop.x("xwininfo", "-tree", "-id", self.window, check=True)
        parent = re.search(r"Parent window id: (0x[0-9a-f]+)", tree)
        root = re.search(r"Root window id: (0x[0-9a-f]+)", tree)
        if not parent or not root or parent.group(1) == root.group(1):
            return self.client_rect()
        return self._geometry(parent.group(1))

    def click(self, control):
        left, top, width, height = PLACES[control]
        x, y, _, _ = self.client_rect()
        self.desktop.x("xdotool", "mousemove", str(x + left + width // 2), str(y + top + height // 2),
                       "click", "1", check=True)

    def keys(self, *names):
        self.desktop.x("xdotool", "key", "--delay", "30", *names, check=True)

    def type(self, text):
        self.desktop.x("xdotool", "type", "--delay", "30", text, check=True)

    def copy_until(self, what, pattern, timeout=30):
        """Clicks 复制 until the clipboard holds a whole match of pattern; gives the match.

        A batch pauses after every entry, so its end shows only through what
        a copy then brings."""
        regex = re.compile(pattern)
        last = [None]

        def copied():
            self.click("复制")
            last[0] = self.desktop.clipboard()
            return regex.fullmatch(last[0]) if last[0] is not None else None

        try:
            return poll(what, copied, timeout, interval=0.1)
        except DriveError as error:
            raise DriveError(f"{error}; the clipboard last held {last[0]!r}") from None

    def screenshot(self, path):
        left, top, width, height = self.frame_rect()
        os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
        self.desktop.x("import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}", "+repage", path,
                       check=True, timeout=30)

    def wait_exit(self, timeout=30):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise DriveError(f"the program did not end within {timeout} s") from None


class Probe(Started):
    """window_probe.exe in the program's Wine prefix, asked line by line.

    Started with wine directly: wine-run.sh would wait for the program's hold
    on the prefix to end."""

    def __init__(self, window, probe):
        self.window = window
        self.probe = os.path.abspath(probe)
        self.process = None

    def _start(self):
        lang = self.window.env.get("MACBATCH_WINE_LANG", "zh_CN.UTF-8")
        env = dict(self.window.env, WINEPREFIX=self.window.prefix, WINEDEBUG="-all",
                   WINEDLLOVERRIDES="mscoree,mshtml=", LANG=lang, LC_ALL=lang)
        self.process = subprocess.Popen(["wine", self.probe], env=env, stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, start_new_session=True)

    def __exit__(self, *_):
        if self.process is None:
            return
        try:
            self.process.stdin.close()
        except OSError:
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()

    def read(self, timeout=30):
        """The window as the probe sees it: a dict, with "ok" false when it could not tell."""
        self.process.stdin.write(b"read\n")
        self.process.stdin.flush()
        if not select.select([self.process.stdout], [], [], timeout)[0]:
            raise DriveError(f"the probe gave no answer within {timeout} s")
        line = self.process.stdout.readline()
        if not line:
            raise DriveError("the probe ended")
        return json.loads(line.decode("utf-8"))


def batch_pattern(count):
    """One address per line, as X gets it: Wine turns the box's CR LF into LF."""
    return "(?:" + ADDRESS + "\n){" + str(count) + "}"


def demo(program, screenshot):
    with tempfile.TemporaryDirectory(prefix="macbatch-") as workdir, Desktop(workdir) as desktop, \
            Program(desktop, program) as window:
        window.click("随机厂商")
        batch = window.copy_until("a batch of 20 addresses", batch_pattern(20)).group(0)
        print("One batch made with a click on 随机厂商 (random vendor), copied with 复制 (copy):")
        print(batch, end="")
        if screenshot:
            window.screenshot(screenshot)
            print(f"Screenshot of the window: {screenshot}")
        window.keys("Escape")
        code = window.wait_exit()
    print(f"The program closed with exit code {code}.")
    print("No display here (DISPLAY is not set), so the window ran on a private virtual display.")
    print("To use the window, run `bash tools/run.sh` in a desktop session (with DISPLAY set),")
    print(f"or copy {os.path.abspath(program)} to a Windows machine and start it there.")
    return 0 if code == 0 else 1


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    commands = parser.add_subparsers(dest="command", required=True)
    run = commands.add_parser("demo", help="make one batch, print it, save a screenshot, close")
    run.add_argument("program")
    run.add_argument("--screenshot", help="where to save a PNG of the window")
    args = parser.parse_args(argv)
    for tool in ("Xvfb", "jwm", "wine", "xdotool", "xclip", "xwininfo", "import"):
        if shutil.which(tool) is None:
            print(f"drive_window: {tool} is missing (bash tools/setup.sh installs it)", file=sys.stderr)
            return 2
    try:
        return demo(args.program, args.screenshot)
    except DriveError as error:
        print(f"drive_window: {error}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
