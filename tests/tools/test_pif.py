"""The program information file, read back field by field at its documented offsets."""

import os
import struct
import subprocess
import sys
import tempfile
import unittest

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools")
sys.path.insert(0, TOOLS)

import make_pif  # noqa: E402

LEADING = 0x171
HEADING = 22


def u16(data, at):
    return struct.unpack_from("<H", data, at)[0]


def u32(data, at):
    return struct.unpack_from("<I", data, at)[0]


def asciiz(data, at, size):
    """The zero-terminated string in data[at:at + size]; the field must hold its terminator."""
    field = data[at:at + size]
    end = field.index(b"\0")
    return field[:end].decode("ascii")


def read_sections(data):
    """{name: (heading offset, data offset, data length)} by following the heading chain."""
    sections = {}
    order = []
    at = LEADING
    while at != 0xFFFF:
        if at + HEADING > len(data) or at in (h for h, _, _ in sections.values()):
            raise AssertionError(f"bad heading offset {at:#x}")
        name = asciiz(data, at, 16)
        nxt, offset, length = struct.unpack_from("<HHH", data, at + 16)
        sections[name] = (at, offset, length)
        order.append(name)
        at = nxt
    return order, sections


class PifLayoutTest(unittest.TestCase):
    def setUp(self):
        self.pif = make_pif.make_pif()

    def test_size_and_section_chain(self):
        self.assertEqual(len(self.pif), 967)
        order, sections = read_sections(self.pif)
        self.assertEqual(order, ["MICROSOFT PIFEX", "WINDOWS 386 3.0", "WINDOWS VMM 4.0"])
        # (heading offset, data offset, data length) for each section.
        self.assertEqual(sections["MICROSOFT PIFEX"], (0x171, 0x000, 369))
        self.assertEqual(sections["WINDOWS 386 3.0"], (0x187, 0x19D, 104))
        self.assertEqual(sections["WINDOWS VMM 4.0"], (0x205, 0x21B, 428))
        # Each section's data follows its heading, and the last one ends the file.
        self.assertEqual(0x21B + 428, len(self.pif))
        for name in order[1:]:
            heading, offset, _ = sections[name]
            self.assertEqual(offset, heading + HEADING, name)

    def test_section_names_are_zero_padded(self):
        for at in (0x171, 0x187, 0x205):
            name = self.pif[at:at + 16]
            self.assertEqual(len(name.rstrip(b"\0")), 15)
            self.assertEqual(name[15:], b"\0")

    def test_leading_section(self):
        p = self.pif
        self.assertEqual(p[0], 0)
        self.assertEqual(p[1], sum(p[2:LEADING]) & 0xFF, "checksum of bytes 2 to 0x170")
        self.assertEqual(p[0x02:0x20], b"QV_TEMP" + b" " * 23)
        self.assertEqual((u16(p, 0x20), u16(p, 0x22)), (640, 0))
        self.assertEqual(asciiz(p, 0x24, 63), "QV_TEMP.EXE")
        self.assertEqual(p[0x63], 0x10, "only 'close window on exit' among the flags")
        self.assertEqual(asciiz(p, 0x65, 64), "", "no start-up directory")
        self.assertEqual(asciiz(p, 0xA5, 64), "-o")

    def test_386_section(self):
        d = 0x19D
        p = self.pif
        self.assertEqual((u16(p, d + 0), u16(p, d + 2)), (640, 0), "conventional memory")
        self.assertEqual((u16(p, d + 4), u16(p, d + 6)), (100, 50), "priorities")
        self.assertEqual((u16(p, d + 8), u16(p, d + 10)), (0xFFFF, 0), "expanded memory")
        self.assertEqual((u16(p, d + 12), u16(p, d + 14)), (0xFFFF, 0), "extended memory")
        self.assertEqual(u32(p, d + 16), 0x2 | 0x1000 | 0x20000,
                         "background, idle detection and fast paste, nothing else")
        self.assertEqual(p[d + 24:d + 40], bytes(16), "no hot key")
        self.assertEqual(asciiz(p, d + 40, 64), "-o")

    def test_vmm_section_defaults(self):
        d = 0x21B
        p = self.pif
        self.assertEqual(asciiz(p, d + 88, 80), "PIFMGR.DLL")
        self.assertEqual(u16(p, d + 168), 0, "first icon of the file")
        self.assertEqual(asciiz(p, d + 234, 32), "Terminal")
        self.assertEqual(asciiz(p, d + 266, 32), "Courier New")
        self.assertEqual(asciiz(p, d + 342, 80), "", "no batch file")

    def test_command_line_writes_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "qv_temp.pif")
            subprocess.run([sys.executable, os.path.join(TOOLS, "make_pif.py"), path], check=True)
            with open(path, "rb") as f:
                self.assertEqual(f.read(), self.pif)


if __name__ == "__main__":
    unittest.main()
