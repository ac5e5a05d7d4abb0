#!/usr/bin/env python3
"""Writes the seed corpora of the fuzzers, fuzz/corpus/<target>/.

Usage:
    python3 tools/make_fuzz_seeds.py [CORPUS_DIR]

Most fuzzers read their input through LLVM's FuzzedDataProvider, which takes
integers and flags from the end of the input and strings from its front. The
Input class below lays out a seed the same way, so that each seed is a case
worth starting from: the window's separator clean-up, full-width digits, lone
surrogates, the four address forms. Each file is named for what it holds and
the same script always writes the same bytes.
"""

import pathlib
import struct
import sys


class Input:
    """A seed as FuzzedDataProvider reads it, built in the order it reads."""

    def __init__(self):
        self.front = b""
        self.back = []  # in the order the provider takes them from the end

    def flag(self, value):
        self.back.append(1 if value else 0)
        return self

    def int8(self, value):
        self.back.append(value + 128)
        return self

    def int32(self, value):
        return self.unsigned(value + 2**31, 4)

    def unsigned(self, value, size):
        self.back.extend(value.to_bytes(size, "big"))  # the first byte taken is the highest
        return self

    def string(self, text):
        """A string of ConsumeRandomLengthString: backslashes doubled, then a
        backslash and one more byte to end it."""
        self.front += text.replace(b"\\", b"\\\\") + b"\\ "
        return self

    def rest(self, text):
        self.front += text
        return self

    def bytes(self):
        return self.front + bytes(reversed(self.back))


def utf16(text):
    """Code units as the utf16 fuzzer reads them: two bytes each, low first."""
    return b"".join(struct.pack("<H", unit) for unit in text)


BATCH = b':set []7C:55:E7:0A:F3:91","08:00:7A:C4:2E:6B","")\r\n:local vindex 0'


REGISTRY_HEADER = b"Registry,Assignment,Organization Name,Organization Address\r\n"


def seeds():
    return {
        "to_integer_fuzzer": {
            "plain": b"20",
            "signed": b"-2147483648",
            "wraps": b"4294967297",
            "spaces_and_tail": b" \t+007\xe4\xb8\xaa",
            "full_width": "　－１２个".encode(),
            "cut_off_at_end": b"\xef\xbc\x92\xef\xbc",
        },
        "split_text_fuzzer": {
            "lines": Input().flag(False).string(b"\r\n").rest(b"7C:55:E7:0A:F3:91\r\n08:00:7A:C4:2E:6B\r\n").bytes(),
            "limit": Input().flag(True).int8(2).string(b"|").rest(b"A|B|C").bytes(),
            "empty_separator": Input().flag(False).string(b"").rest(b"A|B").bytes(),
            "multi_byte": Input().flag(False).string("、".encode()).rest("甲、乙、".encode()).bytes(),
            "lone_surrogate": Input().flag(False).string(b"\xed\xa0\x80").rest(b"a\xed\xa0\x80\xed\xb0\x80b").bytes(),
        },
        "replace_text_fuzzer": {
            "separator_clean_up": Input().flag(True).flag(False).int8(1).flag(False)
            .string(b'","")').string(b'")').rest(BATCH).bytes(),
            "start_and_count": Input().flag(True).flag(False).int8(3).flag(True).int8(1)
            .string(b"-").string(b"+").rest(b"a-b-c-d").bytes(),
            "case_insensitive": Input().flag(False).flag(True).int32(-7).flag(False)
            .string(b"ab").string(b"x").rest(b"Ab ab AB").bytes(),
            "inside_a_character": Input().flag(True).flag(False).int8(1).flag(False)
            .string(b"\xb8\xad").string(b"x").rest("中文中".encode()).bytes(),
            "lone_surrogate": Input().flag(True).flag(False).int8(1).flag(False)
            .string(b"\xa0\x80").string(b"").rest(b"\xed\xa0\x80\xed\xb0\x80").bytes(),
        },
        "utf16_fuzzer": {
            "ascii": utf16([0x41, 0x0D, 0x0A]),
            "bmp": utf16([0x524D, 0x7F00]),
            "pair": utf16([0xD83D, 0xDE00]),
            "lone_high_at_end": utf16([0x61, 0xDBFF]),
            "reversed_pair": utf16([0xDC00, 0xD800]),
            "wtf8_halves": b"\xed\xa0\x80\xed\xb0\x80",
            "malformed": b"\xe4\xb8A\xf4\x90\x80\x80\xc0",
        },
        "mac_address_fuzzer": {
            "colon": Input().unsigned(0x7C55E70AF391, 8).rest(b"7C:55:E7:0A:F3:91").bytes(),
            "hyphen_lower": Input().unsigned(2**64 - 1, 8).rest(b"08-00-7a-c4-2e-6b").bytes(),
            "dot": Input().unsigned(0, 8).rest(b"7c55.E70a.F391").bytes(),
            "bare": Input().unsigned(0x0050C2123456, 8).rest(b"0050C2123456").bytes(),
            "mixed_separators": Input().unsigned(1, 8).rest(b"7C:55-E7:0A:F3:91").bytes(),
            "prefix": Input().unsigned(0x70B3D5 << 24, 8).rest(b"70-b3-D5").bytes(),
        },
        "registry_fuzzer": {
            kind: Input().unsigned(index, 1).unsigned(address, 8).unsigned(row, 4).rest(csv).bytes()
            for kind, index, address, row, csv in [
                ("ma_l", 0, 0x70B3D5A12345, 7, REGISTRY_HEADER
                 + b'MA-L,70B3D5,Example Registration Office,1 Main Street\r\n'
                 + b'MA-L,00000C,"Alpha Networks, Inc.",2 Main Street\r\n'
                 + b'MA-L,70b3d5,Repeated,\r\n\r\n'),
                ("ma_m_with_byte_order_mark", 1, 0x70B3D5A00000, 1, b"\xef\xbb\xbf" + REGISTRY_HEADER
                 + b"MA-M,70B3D5A,Medium Block Company,6 Main Street\n"),
                ("ma_s_quoted_line_break", 2, 0x70B3D5A12FFF, 12, REGISTRY_HEADER
                 + b'MA-S,70B3D5A12,"Small\r\nBlock ""Company""\t",7 Main Street\r\n'),
                ("iab_unicode_name", 3, 0x0050C2123000, 3, REGISTRY_HEADER
                 + "IAB,0050C2123,\u3000Individual Block Lab 株式会社\u00a0,9 Main Street\r\n".encode()),
                ("wrong_registry", 0, 0, 0, REGISTRY_HEADER + b"MA-M,70B3D5A,Wrong File,\r\n"),
            ]
        },
    }


def main(argv):
    root = pathlib.Path(argv[1]) if len(argv) > 1 else pathlib.Path(__file__).resolve().parent.parent / "fuzz" / "corpus"
    for target, files in seeds().items():
        folder = root / target
        folder.mkdir(parents=True, exist_ok=True)
        for name, data in files.items():
            (folder / name).write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
