#!/usr/bin/env python3
"""Builds src/core/vendor_table.cpp, the built-in vendor prefix table.

Usage:
    python3 tools/make_vendor_table.py [REGISTRY_CSV] [OUTPUT_CPP]

REGISTRY_CSV defaults to /usr/share/ieee-data/oui.csv (Debian package
ieee-data); OUTPUT_CPP defaults to src/core/vendor_table.cpp beside this
script's repository. The same registry file always gives the same bytes.

The table's shape is fixed: the anchor members below sit at fixed positions,
and every gap between two anchors is filled from the registry's globally
administered unicast assignments that lie strictly between them in value.
Within a gap every admitted first octet gets one member (the median
assignment of that octet) so the count of distinct first octets is exact; the
remaining places take evenly spaced assignments from what is left. To land on
exactly TARGET_FIRST_OCTETS, the first octets with the fewest usable
assignments are left out altogether.
"""

import csv
import os
import sys
import unicodedata

DEFAULT_REGISTRY = "/usr/share/ieee-data/oui.csv"

MEMBER_COUNT = 1170
TARGET_FIRST_OCTETS = 70
GROUP_BIT = 0x01
LOCAL_BIT = 0x02
EXPECTED_GROUP = 3
EXPECTED_LOCAL = 12

# (1-based position, prefix, name used when the registry has no such row).
ANCHORS = [
    (1, "080079", None),
    (2, "08007A", None),
    (39, "09006A", "Multicast block (group bit set on 08:00:6A)"),
    (91, "1100AA", None),
    (192, "2E2E2E", "Locally administered, unregistered"),
    (312, "475443", "Locally administered multicast, unregistered"),
    (360, "525400", "QEMU/KVM virtual NIC (locally administered)"),
    (585, "7C55E7", None),
    (794, "AA0000", None),
    (795, "AA0001", None),
    (796, "AA0002", None),
    (797, "AA0003", None),
    (798, "AA0004", None),
    (1169, "FCEDB9", None),
    (1170, "FCFAF7", None),
]

# The registry's only locally administered rows start with 02 (below the
# table's range) or are the AA:00:0x anchors, so the remaining locally
# administered members are prefixes in wide de-facto use by virtualisation
# and cloud software. They take whichever gap their value falls in.
EXTRA_LOCAL = [
    ("0A0027", "VirtualBox host-only adapter (locally administered)"),
    ("42010A", "Google Compute Engine instance on 10.0.0.0/8 (locally administered)"),
    ("EEEEEE", "Calico host-side veth (locally administered)"),
    ("FA163E", "OpenStack Neutron port default (locally administered)"),
]

# Rows the registry keeps for itself and sub-divides among small vendors.
REGISTRY_PARENT_NAME = "IEEE Registration Authority"
# Rows whose owner asked to stay unnamed say nothing about the vendor.
UNDISCLOSED_NAME = "Private"

# Characters that are format controls rather than text (zero-width space,
# byte order mark and the like) are dropped from names.
def clean_name(raw):
    name = "".join(ch for ch in raw if unicodedata.category(ch) != "Cf")
    return " ".join(name.split())


def first_octet(prefix):
    return int(prefix[:2], 16)


def display(prefix):
    return f"{prefix[0:2]}:{prefix[2:4]}:{prefix[4:6]}"


def fail(message):
    sys.exit(f"make_vendor_table: {message}")


def read_registry(path):
    """Returns {prefix: name} for unambiguous MA-L rows, and the excluded parents."""
    names = {}
    ambiguous = set()
    with open(path, encoding="utf-8", newline="") as handle:
        reader = csv.DictReader(handle)
        needed = {"Registry", "Assignment", "Organization Name"}
        if reader.fieldnames is None or not needed <= set(reader.fieldnames):
            fail(f"{path}: missing columns {sorted(needed)}")
        for row in reader:
            if row["Registry"].strip() != "MA-L":
                continue
            prefix = row["Assignment"].strip().upper()
            if len(prefix) != 6 or any(c not in "0123456789ABCDEF" for c in prefix):
                fail(f"{path}: malformed assignment {row['Assignment']!r}")
            name = clean_name(row["Organization Name"])
            if prefix in names and names[prefix] != name:
                ambiguous.add(prefix)
            names[prefix] = name
    if not names:
        fail(f"{path}: no MA-L rows")
    # An assignment listed under several owners has no single vendor to show.
    for prefix in ambiguous:
        del names[prefix]
    return names


def usable(prefix, name):
    octet = first_octet(prefix)
    return (
        not prefix.startswith("00")
        and octet & (GROUP_BIT | LOCAL_BIT) == 0
        and name
        and name != REGISTRY_PARENT_NAME
        and name != UNDISCLOSED_NAME
    )


def evenly_spaced(items, count):
    # Centre of each of `count` equal slices: distinct while count <= len.
    n = len(items)
    return [items[(2 * i + 1) * n // (2 * count)] for i in range(count)]


def select(registry):
    anchors = []
    for position, prefix, fallback in ANCHORS:
        name = registry.get(prefix, fallback)
        if not name:
            fail(f"anchor {display(prefix)} is not in the registry and has no name")
        anchors.append((position, prefix, name))
    anchors.sort()
    if anchors[0][0] != 1 or anchors[-1][0] != MEMBER_COUNT:
        fail("the first and last members must be anchors")

    fixed_values = {prefix for _, prefix, _ in anchors} | {p for p, _ in EXTRA_LOCAL}
    candidates = sorted(p for p, n in registry.items() if usable(p, n) and p not in fixed_values)

    lowest, highest = anchors[0][1], anchors[-1][1]
    in_range = [p for p in candidates if lowest < p < highest]
    covered = {first_octet(p) for p in fixed_values}
    per_octet = {}
    for prefix in in_range:
        per_octet.setdefault(first_octet(prefix), []).append(prefix)
    open_octets = sorted(o for o in per_octet if o not in covered)
    surplus = len(covered) + len(open_octets) - TARGET_FIRST_OCTETS
    if surplus < 0:
        fail(f"only {len(covered) + len(open_octets)} first octets available, "
             f"{TARGET_FIRST_OCTETS} needed")
    dropped = set(sorted(open_octets, key=lambda o: (len(per_octet[o]), o))[:surplus])
    pool = [p for p in in_range if first_octet(p) not in dropped]

    members = []
    for (pos_lo, lo, lo_name), (pos_hi, hi, _) in zip(anchors, anchors[1:]):
        members.append((lo, lo_name))
        places = pos_hi - pos_lo - 1
        extras = [(p, n) for p, n in EXTRA_LOCAL if lo < p < hi]
        gap = [p for p in pool if lo < p < hi]
        by_octet = {}
        for prefix in gap:
            by_octet.setdefault(first_octet(prefix), []).append(prefix)
        # An octet no anchor holds lies wholly inside one gap; it is owed a member there.
        medians = [g[len(g) // 2] for o, g in by_octet.items() if o not in covered]
        fill = places - len(extras) - len(medians)
        if fill < 0:
            fail(f"{len(extras) + len(medians)} members are due between "
                 f"{display(lo)} and {display(hi)}, which has {places} places")
        rest = [p for p in gap if p not in set(medians)]
        if fill > len(rest):
            fail(f"only {len(gap)} assignments between {display(lo)} and "
                 f"{display(hi)}, {places - len(extras)} needed")
        chosen = medians + evenly_spaced(rest, fill)
        members.extend(sorted([(p, registry[p]) for p in chosen] + extras))
    members.append((anchors[-1][1], anchors[-1][2]))

    for prefix, _ in EXTRA_LOCAL:
        if not any(prefix == p for p, _ in members):
            fail(f"{display(prefix)} found no gap to go in")
    check(members, anchors)
    return members


def check(members, anchors):
    prefixes = [p for p, _ in members]
    if len(prefixes) != MEMBER_COUNT:
        fail(f"{len(prefixes)} members, {MEMBER_COUNT} expected")
    if any(a >= b for a, b in zip(prefixes, prefixes[1:])):
        fail("members are not strictly ascending")
    for position, prefix, _ in anchors:
        if prefixes[position - 1] != prefix:
            fail(f"{display(prefix)} is not at position {position}")
    if any(p.startswith("00") for p in prefixes):
        fail("a member begins with 00")
    octets = {first_octet(p) for p in prefixes}
    if len(octets) != TARGET_FIRST_OCTETS or min(octets) != 0x08 or max(octets) != 0xFC:
        fail(f"{len(octets)} first octets from {min(octets):02X} to {max(octets):02X}")
    group = [p for p in prefixes if first_octet(p) & GROUP_BIT]
    local = [p for p in prefixes if first_octet(p) & LOCAL_BIT]
    if len(group) != EXPECTED_GROUP or len(local) != EXPECTED_LOCAL:
        fail(f"{len(group)} group and {len(local)} local members")
    if not all(name for _, name in members):
        fail("a member has no name")


def cxx_literal(text):
    # Octal escapes take at most three digits, so unlike \x they cannot
    # swallow a following character. '?' is escaped against trigraphs.
    out = []
    for byte in text.encode("utf-8"):
        ch = chr(byte)
        if ch in '"\\?':
            out.append("\\" + ch)
        elif 0x20 <= byte < 0x7F:
            out.append(ch)
        else:
            out.append(f"\\{byte:03o}")
    return '"' + "".join(out) + '"'


def render(members):
    lines = [
        "// Generated by tools/make_vendor_table.py from the IEEE MA-L registry; do not edit.",
        "",
        '#include "core/vendor_table.h"',
        "",
        "// clang-format off",
        "namespace macbatch {",
        "",
        "constexpr std::array<VendorPrefix, vendorPrefixCount> vendorPrefixes{{",
    ]
    for prefix, name in members:
        lines.append(f'    {{"{display(prefix)}", {cxx_literal(name)}}},')
    lines += [
        "}};",
        "",
        "constexpr std::string_view vendorPrefixTable =",
    ]
    for index, (prefix, _) in enumerate(members):
        last = index == len(members) - 1
        lines.append(f'    "{display(prefix)}' + ('";' if last else '\\r\\n"'))
    size = len(members) * 8 + (len(members) - 1) * 2
    lines += [
        "",
        f"static_assert(vendorPrefixTable.size() == {size});",
        "",
        "}  // namespace macbatch",
        "// clang-format on",
        "",
    ]
    return "\n".join(lines)


def main(argv):
    if len(argv) > 3:
        sys.exit(__doc__)
    registry_path = argv[1] if len(argv) > 1 else DEFAULT_REGISTRY
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    output = argv[2] if len(argv) > 2 else os.path.join(root, "src", "core", "vendor_table.cpp")
    members = select(read_registry(registry_path))
    data = render(members).encode("ascii")
    with open(output, "wb") as handle:
        handle.write(data)
    print(f"wrote {len(members)} members to {output}")


if __name__ == "__main__":
    main(sys.argv)
