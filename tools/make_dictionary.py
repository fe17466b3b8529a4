#!/usr/bin/env python3
"""Writes a synthetic stand-in for a translation dictionary.

    make_dictionary.py CODE OUTFILE [SIZE]

Real dictionaries are not kept with the sources. For a pair without one the
build packs this instead: bytes that depend only on the pair code (the same
code always gives the same file) and that deflate about as badly as a real,
scrambled dictionary, to roughly 70 % of their size. The setup program never
looks inside a dictionary, so only the size and the packing matter.
"""

import hashlib
import sys

# The Ukrainian-Russian dictionary that the setup program for UR carries.
KNOWN_SIZES = {"UR": 836463}
MIN_SIZE = 600000
SIZE_SPAN = 300000

# Each output byte is drawn from 48 symbols, 16 of them twice as likely as the
# rest: 5.5 bits of entropy a byte, which deflate codes in about 5.65 bits.
COMMON_SYMBOLS = 16
COMMON_SLOTS = 8
RARE_SYMBOLS = 32
RARE_SLOTS = 4


def _digest(code, purpose, length):
    return hashlib.shake_256(f"qv-dictionary/{code}/{purpose}".encode("ascii")).digest(length)


def default_size(code):
    """The size of the dictionary for a pair: known for UR, otherwise fixed by the code."""
    if code in KNOWN_SIZES:
        return KNOWN_SIZES[code]
    return MIN_SIZE + int.from_bytes(_digest(code, "size", 4), "little") % SIZE_SPAN


def _symbol_table(code):
    """A 256-entry table mapping uniform bytes onto the pair's skewed alphabet."""
    order = sorted(range(256), key=lambda b: _digest(code, f"symbol{b}", 8))
    common, rare = order[:COMMON_SYMBOLS], order[COMMON_SYMBOLS:COMMON_SYMBOLS + RARE_SYMBOLS]
    slots = [s for s in common for _ in range(COMMON_SLOTS)] + [s for s in rare for _ in range(RARE_SLOTS)]
    assert len(slots) == 256
    return bytes(slots)


def make_dictionary(code, size=None):
    code = code.upper()
    if len(code) != 2 or not code.isascii() or not code.isalpha():
        raise ValueError(f"pair code must be two letters: {code!r}")
    if size is None:
        size = default_size(code)
    return _digest(code, "body", size).translate(_symbol_table(code))


def main(argv):
    if len(argv) not in (3, 4):
        sys.stderr.write(__doc__)
        return 2
    code, path = argv[1], argv[2]
    size = int(argv[3]) if len(argv) == 4 else None
    data = make_dictionary(code, size)
    with open(path, "wb") as out:
        out.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
