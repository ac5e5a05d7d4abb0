#!/usr/bin/env python3
"""The shipped macbatch.exe used from outside, as a person would.

Real X input goes in (pointer clicks at the controls' places, key presses);
only the title, the window's geometry, the clipboard, a screenshot and the
exit code come out.

    e2e_test.py PROGRAM.exe --lang LANG [--screenshot FILE.png] [--vendor-table vendor_table.cpp]
"""

import argparse
import os
import re
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import drive_window  # noqa: E402
from drive_window import ADDRESS, SCREEN, Desktop, DriveError, Program, batch_pattern  # noqa: E402

TITLE = "Mac批量生成   栖桐"
OUTER_SIZE = (331, 580)

# Wine gives X the text with LF line ends where the window holds CR LF.
PREFIX = ":global macs\n:set macs []\n:set []"
SUFFIX = "\")\n:local vindex 0"
SEPARATOR = "\",\""


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def vendor_prefixes(path):
    with open(path, encoding="utf-8") as file:
        found = set(re.findall(r'\{"([0-9A-F]{2}:[0-9A-F]{2}:[0-9A-F]{2})",', file.read()))
    if len(found) != 1170:
        raise SystemExit(f"e2e: read {len(found)} vendor prefixes from {path}, not 1170")
    return found


def check_vendors(addresses, prefixes):
    if prefixes is None:
        return
    for address in addresses:
        check(address[:8] in prefixes, f"{address} does not begin with a prefix of the vendor table")


def scenario(window, screenshot, prefixes):
    title = window.title()
    check(title == TITLE, f"window title is {title!r}, expected {TITLE!r}")

    # Centred on the full screen: the client area lies inside the outer
    # rectangle and the side frames are alike.
    left, top, width, height = window.client_rect()
    outer_left = (SCREEN[0] - OUTER_SIZE[0]) // 2
    outer_top = (SCREEN[1] - OUTER_SIZE[1]) // 2
    check(outer_left <= left and left + width <= outer_left + OUTER_SIZE[0]
          and outer_top <= top and top + height <= outer_top + OUTER_SIZE[1],
          f"client area {width}x{height} at {left},{top} is not inside the window expected at {outer_left},{outer_top}")
    check(abs((left - outer_left) - (outer_left + OUTER_SIZE[0] - left - width)) <= 1,
          f"client area at {left} with width {width} is not centred in the window at {outer_left}")

    window.click("随机厂商")
    batch = window.copy_until("20 addresses one per line on the clipboard", batch_pattern(20)).group(0)
    addresses = batch.split()
    print("batch of 20:", " ".join(addresses))
    check(all(re.fullmatch(ADDRESS, address) for address in addresses), "malformed address")
    check(len(set(addresses)) > 1, "all 20 addresses are the same")
    check_vendors(addresses, prefixes)
    if screenshot:
        window.screenshot(screenshot)

    # The copy clicks left the focus on 复制: three Tabs reach 单行显示, and
    # an arrow key checks 连续显示.
    window.keys("Tab", "Tab", "Tab", "Right")
    window.click("前后缀")
    window.click("个数")
    window.keys("End", "BackSpace", "BackSpace", "BackSpace", "BackSpace")
    window.type("2")
    window.click("随机厂商")
    wrapped = re.escape(PREFIX) + f"({ADDRESS}){re.escape(SEPARATOR)}({ADDRESS})" + re.escape(SUFFIX)
    script = window.copy_until("the wrapped batch of 2 on the clipboard", wrapped)
    print("wrapped batch of 2:", repr(script.group(0)))
    check_vendors(script.groups(), prefixes)

    window.keys("Escape")
    code = window.wait_exit()
    check(code == 0, f"exit code {code} after Esc, expected 0")


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--lang", default="zh_CN.UTF-8")
    parser.add_argument("--screenshot")
    parser.add_argument("--vendor-table")
    args = parser.parse_args(argv)
    prefixes = vendor_prefixes(args.vendor_table) if args.vendor_table else None

    with tempfile.TemporaryDirectory(prefix="macbatch-e2e-") as workdir:
        try:
            with Desktop(workdir) as desktop, Program(desktop, args.program, lang=args.lang) as window:
                try:
                    scenario(window, args.screenshot, prefixes)
                except (Failure, DriveError):
                    if args.screenshot and window.process.poll() is None:
                        failed = re.sub(r"(\.png)?$", ".failed.png", args.screenshot, count=1)
                        window.screenshot(failed)
                        print(f"screenshot at the failure: {failed}")
                    raise
        except (Failure, DriveError) as error:
            print(f"FAILED ({args.lang}): {error}")
            log = os.path.join(workdir, "wine.log")
            if os.path.exists(log):
                with open(log, encoding="utf-8", errors="replace") as file:
                    print("program output:", file.read()[-2000:])
            return 1
    print(f"passed ({args.lang})")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
