#!/usr/bin/env python3
"""Random user actions on the shipped macbatch.exe, many of them during batches.

Real X input as a person gives it (clicks at the controls' places, keys,
typing, pasting from the X clipboard), chosen by a seeded generator, so that
one seed always makes the same actions. Batches are started, also from
inside running ones; the display is switched, 前后缀 ticked, the count,
separator, prefix and suffix boxes typed and pasted into, 复制 clicked, the
focus moved with Tab and the arrow keys. The run ends with Esc at a random
moment, and the program must then end with exit code 0.

What the program shows is read with window_probe.exe (tools/drive_window.py's
Probe). After every batch started from an idle window has ended, with all the
batches started inside it, the output box must be explained by the settings
the run went through:

- every entry is a table address followed by CR LF (one per line) or by the
  separator box's text (continuous); which of the two, and which separator,
  may be any the window had while the batch ran, since an entry takes the
  setting of its moment, and a switch meets the entries at an unknown point;
- wrapped, the box is the prefix, the batch and the suffix, with the last
  separator dropped before the suffix's '")', for any prefix and suffix the
  boxes held meanwhile, if 前后缀 was ticked at some point of the batch;
- a batch started inside another cleared the box and left its own result at
  its start, which the outer batch then follows with its further entries and
  wraps as a whole: the check accepts, at the start of the box, one such
  (wrapped) result of a batch, in turn checked by these rules;
- without a batch started inside it, the number of entries is exactly the
  count the count box held at the click, and the status line then reads
  "当前生成个数：N" unless 复制 was clicked after the batch's start.

When the window is idle, 复制 must put exactly the box on the clipboard (as
X gets it, CR LF as LF).

    stress_test.py PROGRAM.exe --probe window_probe.exe [--seed N] [--actions N]
                   [--lang LANG] [--vendor-table vendor_table.cpp]

A longer run with any seed: --seed 7 --actions 5000.
"""

import argparse
import os
import random
import re
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from drive_window import ADDRESS, Desktop, DriveError, Probe, Program, poll  # noqa: E402

# What the driver types: no capital hex digits, quotes or brackets, so that no
# typed text reads as an address or meets the separator drop.
TYPED = "xyz-_;|~ "
QUIET_SECONDS = 0.5  # a running batch changes the status line every ~20 ms


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def to_integer(text):
    """The count a count-box text gives, as the program reads it."""
    match = re.match(r"\s*([+-]?)(\d*)", text)
    value = int(match.group(2) or "0") % 2**32
    if match.group(1) == "-":
        value = (-value) % 2**32
    return value - 2**32 if value >= 2**31 else value


def drop_separator_before_suffix(text):
    return text.replace('","")', '")')


class Episode:
    """What the settings went through while one batch, and those started inside it, ran."""

    def __init__(self, snapshot, count_text):
        self.count = to_integer(count_text)
        self.nested = False
        self.copied = False
        self.single = set()  # True for one-per-line, False for continuous
        self.separators = set()
        self.wrapped = set()
        self.prefixes = set()
        self.suffixes = set()
        self.note(snapshot)

    def note(self, snapshot):
        self.single.add(snapshot["单选框1"])
        self.single.add(not snapshot["单选框2"])
        self.separators.add(snapshot["separator"])
        self.wrapped.add(snapshot["选择框3"])
        self.prefixes.add(snapshot["prefix"])
        self.suffixes.add(snapshot["suffix"])


class Explainer:
    """Whether a box text is what a batch of an episode may have left."""

    def __init__(self, episode):
        self.episode = episode
        ends = ["\r\n"] if True in episode.single else []
        if False in episode.single:
            ends += sorted(episode.separators, key=len, reverse=True)
        self.entries = re.compile("(?:" + ADDRESS + "(?:" + "|".join(map(re.escape, ends)) + "))*")
        self.memo = {}

    def entries_only(self, text):
        return self.entries.fullmatch(text) is not None

    def explains(self, text):
        if text not in self.memo:
            self.memo[text] = False  # no text holds itself
            self.memo[text] = self.content(text) if False in self.episode.wrapped else False
            if not self.memo[text] and True in self.episode.wrapped:
                self.memo[text] = any(self.wrapped(text, p, s) for p in self.episode.prefixes
                                      for s in self.episode.suffixes)
        return self.memo[text]

    def wrapped(self, text, prefix, suffix):
        if not (text.startswith(prefix) and text.endswith(suffix) and len(text) >= len(prefix) + len(suffix)):
            return False
        inner = text[len(prefix):len(text) - len(suffix)]
        candidates = [inner]
        if suffix.startswith('")'):
            candidates.append(inner + '","')  # the separator the drop took
        return any(self.content(candidate) and drop_separator_before_suffix(prefix + candidate + suffix) == text
                   for candidate in candidates)

    def content(self, text):
        """Entries, after at most one result of a batch started inside this one."""
        if self.entries_only(text):
            return True
        if not self.episode.nested:
            return False
        # The inner result is a wrapped one (an unwrapped one reads as entries):
        # it ends with a suffix, and entries follow it.
        for suffix in self.episode.suffixes:
            start = text.find(suffix)
            while start >= 0:
                end = start + len(suffix)
                if self.entries_only(text[end:]) and self.explains(text[:end]):
                    return True
                start = text.find(suffix, start + 1)
        return False


class StressRun:
    def __init__(self, window, probe, rng, vendor_prefixes, log):
        self.window = window
        self.probe = probe
        self.rng = rng
        self.vendor_prefixes = vendor_prefixes
        self.log = log
        self.episode = None
        self.inputs = 0  # clicks, key presses and typed characters
        self.batches = 0
        self.checked = 0
        self.clipboard_owner = None
        self.snapshot = self.read()

    # ---- seeing the window ----

    def read(self):
        if self.window.process.poll() is not None:
            raise Failure(f"the program ended with {self.window.process.returncode}")
        snapshot = self.probe.read()
        if not snapshot["ok"]:
            raise Failure(f"the window could not be read: {snapshot['error']}")
        return snapshot

    def settle(self, what, done, timeout=10):
        """Reads until done(snapshot) holds; every reading counts for the running episode."""
        deadline = time.monotonic() + timeout
        while True:
            self.snapshot = self.read()
            if self.episode:
                self.episode.note(self.snapshot)
            if done(self.snapshot):
                return
            if time.monotonic() > deadline:
                raise Failure(f"timed out after {timeout} s waiting for {what}")
            time.sleep(0.02)

    def glance(self):
        time.sleep(0.05)
        self.settle("a reading", lambda _: True)

    def quiet(self):
        """Waits until no batch runs: the status line and the box stand still."""
        deadline = time.monotonic() + 120
        last, since = None, time.monotonic()
        while True:
            snapshot = self.read()
            state = (snapshot["status"], snapshot["box"])
            if state != last:
                last, since = state, time.monotonic()
            elif time.monotonic() - since >= QUIET_SECONDS:
                self.snapshot = snapshot
                return
            if time.monotonic() > deadline:
                raise Failure("a batch ran for two minutes")
            time.sleep(0.03)

    # ---- acting ----

    def act(self, name, *details):
        self.log.append(" ".join([name, *map(repr, details)]))

    def click(self, control):
        self.act("click", control)
        self.inputs += 1
        self.window.click(control)

    def keys(self, *names):
        self.act("keys", *names)
        self.inputs += len(names)
        self.window.keys(*names)

    def type(self, text):
        self.act("type", text)
        self.inputs += len(text)
        self.window.type(text)

    def focused_on(self, control_name, place):
        """Puts the caret into the box, with nothing selected; false if the box takes no focus."""
        if self.snapshot["focus"] != control_name:
            self.click(place)
            self.glance()
            if self.snapshot["focus"] != control_name:
                return False
        # A second click at the same place would make a double click, which
        # selects a word: typing would replace it.
        self.keys("End")
        return True

    def start_batch(self, by_space=False):
        if self.episode is None:
            self.episode = Episode(self.snapshot, self.snapshot["count"])
        else:
            self.episode.nested = True
        self.batches += 1
        if by_space:
            self.keys("space")
        else:
            self.click("随机厂商")
        self.glance()

    def set_count(self):
        text = self.rng.choice([str(self.rng.randint(0, 30)) for _ in range(8)] + ["", "x", " 4", "3x"])
        if not self.focused_on("编辑框3", "个数"):
            return
        old = self.snapshot["count"]
        self.keys("End", *["BackSpace"] * len(old))
        if text:
            self.type(text)
        self.settle("the count box to read " + repr(text), lambda s: s["count"] == text)

    def type_into(self, control_name, place, key):
        if not self.focused_on(control_name, place):
            return
        # One character at a time, each seen before the next: an entry or a
        # wrap may take the text of any moment.
        for character in "".join(self.rng.choice(TYPED) for _ in range(self.rng.randint(1, 4))):
            length = len(self.snapshot[key]) + 1
            self.type(character)
            self.settle(f"{character!r} typed into {control_name}", lambda s: len(s[key]) == length)

    def paste_into(self, control_name, place, key):
        text = "".join(self.rng.choice(TYPED) for _ in range(self.rng.randint(1, 12)))
        self.offer_clipboard(text)
        if not self.focused_on(control_name, place):
            return
        old = len(self.snapshot[key])
        self.keys("ctrl+v")
        self.settle(f"{len(text)} characters pasted into {control_name}", lambda s: len(s[key]) == old + len(text))

    def offer_clipboard(self, text):
        self.drop_clipboard()
        self.act("clipboard", text)
        self.clipboard_owner = subprocess.Popen(
            ["xclip", "-i", "-selection", "clipboard", "-quiet"], env=self.window.desktop.env,
            stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.clipboard_owner.stdin.write(text.encode("utf-8"))
        self.clipboard_owner.stdin.close()
        poll("the clipboard to hold the text", lambda: self.window.desktop.clipboard() == text, 10)

    def drop_clipboard(self):
        if self.clipboard_owner is not None:
            self.clipboard_owner.terminate()
            self.clipboard_owner.wait(timeout=10)
            self.clipboard_owner = None

    def switch_display(self):
        single = self.rng.random() < 0.5
        self.click("单行显示" if single else "连续显示")
        self.settle("the display switch", lambda s: s["单选框1" if single else "单选框2"])

    def tick_wrap(self):
        before = self.snapshot["选择框3"]
        self.click("前后缀")
        self.settle("前后缀 to change", lambda s: s["选择框3"] != before)

    def copy(self):
        if self.episode:
            self.episode.copied = True
        self.drop_clipboard()
        self.click("复制")
        self.glance()

    def move_focus(self):
        key = self.rng.choice(["Tab", "shift+Tab", "Left", "Right", "Up", "Down"])
        before = self.snapshot
        self.keys(key)
        if key in ("Left", "Right", "Up", "Down") and before["focus"] in ("单选框1", "单选框2"):
            # The other display becomes checked, and takes the focus.
            other = "单选框2" if before["focus"] == "单选框1" else "单选框1"
            self.settle("the arrow key to switch the display", lambda s: s[other])
        else:
            self.glance()

    def press_space(self):
        focus = self.snapshot["focus"]
        if focus == "按钮5":
            self.start_batch(by_space=True)
        elif focus in ("按钮3", "按钮1"):
            if focus == "按钮3" and self.episode:
                self.episode.copied = True
            self.keys("space")
            self.glance()
        elif focus == "选择框3":
            before = self.snapshot["选择框3"]
            self.keys("space")
            self.settle("前后缀 to change", lambda s: s["选择框3"] != before)
        elif focus in ("单选框1", "单选框2"):
            self.keys("space")
            self.settle("the display to follow the focus", lambda s: s[focus])
        # 查询 would open a browser, and in a box the space would be typed: nothing.

    def wait(self):
        seconds = self.rng.choice([0.02, 0.05, 0.1, 0.3])
        self.act("wait", seconds)
        time.sleep(seconds)
        self.glance()

    def any_action(self, during_batch):
        actions = [
            (4, lambda: self.start_batch()),
            (2, self.set_count),
            (3, self.switch_display),
            (3, self.tick_wrap),
            (2, lambda: self.type_into("分割编辑框", "分割符号", "separator")),
            (1, lambda: self.paste_into("分割编辑框", "分割符号", "separator")),
            (2, lambda: self.type_into("编辑框6", "前缀", "prefix")),
            (1, lambda: self.paste_into("编辑框7", "后缀", "suffix")),
            (2, lambda: self.type_into("编辑框7", "后缀", "suffix")),
            (2, self.copy),
            (4, self.move_focus),
            (2, self.press_space),
            (3, self.wait),
        ]
        if not during_batch:
            actions.append((1, lambda: self.type_into("编辑框2", "输出", "box")))
        weights, choices = zip(*actions)
        self.rng.choices(choices, weights)[0]()

    # ---- checking ----

    def check_episode(self):
        episode = self.episode
        expected_status = None
        if not episode.nested and not episode.copied and episode.count > 0:
            expected_status = f"当前生成个数：{episode.count}"
            # Known, so waited for: a stall of the program then cannot pass for the end.
            self.settle(f"the status line to read {expected_status!r}",
                        lambda s: s["status"] == expected_status, timeout=30 + episode.count)
        self.quiet()
        snapshot = self.snapshot
        self.episode = None
        box = snapshot["box"]
        explainer = Explainer(episode)
        check(explainer.explains(box), f"the box is not explained by the settings of its batch: {box!r}")
        addresses = re.findall(ADDRESS, box)
        for address in addresses:
            check(address[:8] in self.vendor_prefixes, f"{address} does not begin with a table prefix")
        if not episode.nested:
            check(len(addresses) == max(episode.count, 0),
                  f"{len(addresses)} addresses in the box after a batch of {episode.count}")
        check(expected_status is None or snapshot["status"] == expected_status,
              f"the status line reads {snapshot['status']!r} after a batch of {episode.count}")
        self.checked += 1

    def check_copy(self):
        """Idle: 复制 puts exactly the box on the clipboard."""
        self.drop_clipboard()
        self.click("复制")
        expected = self.snapshot["box"].replace("\r\n", "\n")
        try:
            poll("the copy on the clipboard", lambda: self.window.desktop.clipboard() == expected, 10)
        except DriveError:
            raise Failure(f"复制 gave {self.window.desktop.clipboard()!r}, the box holds {expected!r}") from None

    def run(self, actions):
        while self.inputs < actions:
            if self.episode is None:
                if self.rng.random() < 0.6:
                    self.start_batch()
                else:
                    self.any_action(during_batch=False)
                    if self.episode is None and self.rng.random() < 0.2:
                        self.check_copy()
                continue
            for _ in range(self.rng.randint(1, 6)):
                self.any_action(during_batch=True)
            self.check_episode()

        # Esc at a random moment: idle, or while a batch runs.
        if self.rng.random() < 0.5:
            self.start_batch()
            time.sleep(self.rng.choice([0.0, 0.05, 0.2]))
        self.drop_clipboard()
        self.keys("Escape")
        code = self.window.wait_exit(timeout=30)
        check(code == 0, f"exit code {code} after Esc, expected 0")


def vendor_prefixes(path):
    if not path:
        return None
    with open(path, encoding="utf-8") as file:
        return set(re.findall(r'\{"([0-9A-F]{2}:[0-9A-F]{2}:[0-9A-F]{2})",', file.read()))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("--probe", required=True)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--actions", type=int, default=500, help="user inputs: clicks, keys, typed characters")
    parser.add_argument("--lang", default="zh_CN.UTF-8")
    parser.add_argument("--vendor-table")
    args = parser.parse_args(argv)
    prefixes = vendor_prefixes(args.vendor_table) or None

    class AnyPrefix:
        def __contains__(self, _):
            return True

    rng = random.Random(args.seed)
    log = []
    run = None
    started = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="macbatch-stress-") as workdir:
        try:
            with Desktop(workdir) as desktop, Program(desktop, args.program, lang=args.lang) as window, \
                    Probe(window, args.probe) as probe:
                run = StressRun(window, probe, rng, prefixes or AnyPrefix(), log)
                try:
                    run.run(args.actions)
                finally:
                    run.drop_clipboard()
        except (Failure, DriveError) as error:
            print(f"FAILED (seed {args.seed}, after {run.inputs if run else 0} inputs): {error}")
            print("last actions:\n  " + "\n  ".join(log[-25:]))
            if run is not None:
                print(f"the window as last read: {run.snapshot!r}")
            return 1
    print(f"passed (seed {args.seed}): {run.inputs} inputs, {run.batches} batches, {run.checked} checked "
          f"after they ended, in {time.monotonic() - started:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
