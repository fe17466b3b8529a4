#!/usr/bin/env python3
"""Writes the program information file (PIF) that lies beside the package.

    make_pif.py OUTFILE

When the setup program starts "qv_temp.exe", a system that runs it as a
DOS program takes its settings from "qv_temp.pif" beside it: no start-up
directory (so the caller's current directory applies), the parameter "-o",
the window closed on exit, background execution allowed.

Layout (Windows 95 PIF, 967 bytes):

    0x000  leading section, 369 bytes (the DOS-era fields)
    0x171  heading "MICROSOFT PIFEX"  -> data 0x000, 369 bytes
    0x187  heading "WINDOWS 386 3.0"  -> data 0x19D, 104 bytes
    0x205  heading "WINDOWS VMM 4.0"  -> data 0x21B, 428 bytes (last)

A heading is the section name (16 bytes, zero-padded), the file offset of
the next heading (0xFFFF after the last), and the offset and length of the
section's data. Byte 1 of the file is the sum of bytes 2 to 0x170, mod 256.
"""

import struct
import sys

LEADING_SIZE = 0x171
HEADING_SIZE = 22
W386_SIZE = 104
VMM_SIZE = 428
LAST_HEADING = 0xFFFF

TITLE = "QV_TEMP"
PROGRAM = "QV_TEMP.EXE"
PARAMETERS = "-o"

# Leading section flags byte (offset 0x63).
CLOSE_ON_EXIT = 0x10

# "WINDOWS 386 3.0" flags (32 bits at offset 0x10 of its data).
W386_BACKGROUND = 0x00000002
W386_IDLE_DETECTION = 0x00001000
W386_FAST_PASTE = 0x00020000
# Its second flags word (video): text-mode emulation and the default traps, as a new PIF has them.
W386_VIDEO_DEFAULTS = 0x0000001F

# "WINDOWS VMM 4.0" defaults, as the system writes them for a new PIF.
VMM_ICON_FILE = "PIFMGR.DLL"
VMM_RASTER_FONT = "Terminal"
VMM_TRUETYPE_FONT = "Courier New"


def text(value, size, fill=b"\0"):
    """`value` in ASCII, padded with `fill` to `size` bytes; it must leave room for a terminator
    unless it is padded with blanks."""
    raw = value.encode("ascii")
    limit = size if fill == b" " else size - 1
    if len(raw) > limit:
        raise ValueError(f"{value!r} does not fit in {size} bytes")
    return raw + fill * (size - len(raw))


def leading_section():
    section = b"".join([
        b"\0",                                  # 0x00 reserved
        b"\0",                                  # 0x01 checksum, filled in below
        text(TITLE, 30, b" "),                  # 0x02 window title
        struct.pack("<HH", 640, 0),             # 0x20 conventional memory, maximum and minimum (KB)
        text(PROGRAM, 63),                      # 0x24 program file
        bytes([CLOSE_ON_EXIT]),                 # 0x63 flags
        b"\0",                                  # 0x64 default drive: none
        text("", 64),                           # 0x65 start-up directory: empty
        text(PARAMETERS, 64),                   # 0xA5 parameters
        bytes([0, 1, 0, 255, 25, 80, 0, 0]),    # 0xE5 screen mode, text pages, interrupts 0-255, 25 x 80, window at 0,0
        struct.pack("<H", 7),                   # 0xED system memory (KB)
        text("", 64),                           # 0xEF shared program
        text("", 64),                           # 0x12F shared data
        b"\0\0",                                # 0x16F program flags
    ])
    assert len(section) == LEADING_SIZE
    checksum = sum(section[2:]) & 0xFF
    return section[:1] + bytes([checksum]) + section[2:]


def w386_section():
    section = b"".join([
        struct.pack("<HH", 640, 0),             # 0x00 conventional memory, maximum and minimum (KB)
        struct.pack("<HH", 100, 50),            # 0x04 foreground and background priority
        struct.pack("<HH", 0xFFFF, 0),          # 0x08 expanded memory, maximum and minimum (KB)
        struct.pack("<HH", 0xFFFF, 0),          # 0x0C extended memory, maximum and minimum (KB)
        struct.pack("<I", W386_BACKGROUND | W386_IDLE_DETECTION | W386_FAST_PASTE),  # 0x10
        struct.pack("<I", W386_VIDEO_DEFAULTS), # 0x14 video flags
        bytes(16),                              # 0x18 hot key: none
        text(PARAMETERS, 64),                   # 0x28 parameters
    ])
    assert len(section) == W386_SIZE
    return section


def vmm_section():
    section = b"".join([
        struct.pack("<II", 0, 0),               # 0x000 reserved and real-mode flags
        text("", 80),                           # 0x008 other file
        text(VMM_ICON_FILE, 80),                # 0x058 icon file
        struct.pack("<H", 0),                   # 0x0A8 icon index
        # 0x0AA tasking: background allowed, idle sensitivity 50 %
        struct.pack("<7H", 0x0002, 0, 0, 0, 0, 0, 50),
        # 0x0B8 video: text-mode emulation, screen lines from the system
        struct.pack("<6H", 0x0001, 0, 0, 0, 0, 0),
        # 0x0C4 keyboard: fast paste; Alt and paste delays, paste time-out and skip counts
        struct.pack("<9H", 0x0001, 0, 5, 25, 3, 200, 1000, 2, 10),
        struct.pack("<2H", 0x0001, 0),          # 0x0D6 mouse: usable in the window
        struct.pack("<2H", 0, 0),               # 0x0DA sound
        # 0x0DE font: raster and TrueType fonts, automatic size; current size 7 x 12
        struct.pack("<6H", 0x001C, 0, 0, 0, 7, 12),
        text(VMM_RASTER_FONT, 32),              # 0x0EA raster font
        text(VMM_TRUETYPE_FONT, 32),            # 0x10A TrueType font
        struct.pack("<H", 0),                   # 0x12A code page
        # 0x12C window: save settings, toolbar; 80 x 25 cells, client 592 x 320
        struct.pack("<8H", 0x0003, 0, 80, 25, 592, 320, 0, 0),
        # 0x13C window placement: length 22, normal show state, no positions
        struct.pack("<11H", 22, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
        struct.pack("<2H", 0, 0),               # 0x152 environment flags
        text("", 80),                           # 0x156 batch file
        struct.pack("<HH", 0, 0),               # 0x1A6 environment size, DPMI memory: automatic
        struct.pack("<H", 1),                   # 0x1AA revision
    ])
    assert len(section) == VMM_SIZE
    return section


def heading(name, next_heading, data_offset, data_length):
    return text(name, 16) + struct.pack("<HHH", next_heading, data_offset, data_length)


def make_pif():
    sections = [
        ("MICROSOFT PIFEX", None),
        ("WINDOWS 386 3.0", w386_section()),
        ("WINDOWS VMM 4.0", vmm_section()),
    ]
    out = bytearray(leading_section())
    for index, (name, data) in enumerate(sections):
        here = len(out)
        if data is None:
            # The first heading describes the leading section at the start of the file.
            data_offset, data_length, size = 0, LEADING_SIZE, HEADING_SIZE
        else:
            data_offset, data_length, size = here + HEADING_SIZE, len(data), HEADING_SIZE + len(data)
        last = index == len(sections) - 1
        out += heading(name, LAST_HEADING if last else here + size, data_offset, data_length)
        if data is not None:
            out += data
    return bytes(out)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    with open(argv[1], "wb") as out:
        out.write(make_pif())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
