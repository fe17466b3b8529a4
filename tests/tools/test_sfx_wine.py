"""The package stub at work under Wine: what it unpacks, what it refuses, its exit codes.

Needs QV_SFX_STUB (an x86_64 stub), QV_TESTBED (tests/wine/testbed.sh) and
QV_TESTBED_STATE (the test bed's state folder); the CMake test sets them.
"""

import io
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile
import zlib

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools")
sys.path.insert(0, TOOLS)

import make_dictionary  # noqa: E402
import make_package  # noqa: E402

STUB = os.environ.get("QV_SFX_STUB")
TESTBED = os.environ.get("QV_TESTBED")
STATE = os.environ.get("QV_TESTBED_STATE")

# The stub's exit codes.
OK, NO_ARCHIVE, BAD_ARCHIVE, CRC_MISMATCH, FILE_EXISTS = 0, 2, 3, 4, 6

# A winter date, so that no daylight-saving rule stands between the
# archive's local time and the file's.
WHEN = time.mktime((1999, 1, 12, 9, 41, 18, 0, 0, -1))


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def archive_of(members, method=zipfile.ZIP_DEFLATED):
    """A plain zip archive of (name, bytes) pairs, made by Python's zipfile."""
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", method) as archive:
        for name, data in members:
            info = zipfile.ZipInfo(name, time.localtime(WHEN)[:6])
            info.compress_type = method
            archive.writestr(info, data)
    out.seek(0)
    return out.read()


@unittest.skipUnless(STUB and TESTBED and STATE, "QV_SFX_STUB, QV_TESTBED or QV_TESTBED_STATE missing")
class StubUnderWineTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(STUB, "rb") as f:
            cls.stub = f.read()
        if struct.unpack_from("<H", cls.stub, struct.unpack_from("<I", cls.stub, 0x3C)[0] + 4)[0] != 0x8664:
            raise unittest.SkipTest("Wine runs the x86_64 stub here")
        cls.data = make_dictionary.make_dictionary("UR", 200000)

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="qv sfx ")
        self.addCleanup(shutil.rmtree, self.folder)

    def write_package(self, archive, name="qv_temp.exe"):
        path = os.path.join(self.folder, name)
        with open(path, "wb") as f:
            f.write(make_package.attach_stub(self.stub, archive) if archive else self.stub)
        return path

    def run_stub(self, package, *args):
        result = subprocess.run([TESTBED, "run", STATE, windows_path(package), *args], cwd=self.folder,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=120)
        return result.returncode

    def path(self, name):
        return os.path.join(self.folder, name)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def leftovers(self):
        return sorted(n for n in os.listdir(self.folder) if n.lower().startswith("qvx"))

    def test_unpacks_the_members_with_their_dates(self):
        mixed = [("A.TXT", b"stored as it is"), ("B.BIN", self.data[:5000])]
        cases = [
            ("the build's own package",
             make_package.make_package(self.stub, "QVUR.VT", self.data, WHEN, "zlib"), [("QVUR.VT", self.data)]),
            ("stored and deflated members", make_package.attach_stub(self.stub, self.mixed_archive(mixed)), mixed),
            ("an empty member", make_package.attach_stub(self.stub, archive_of([("EMPTY.DAT", b"")])),
             [("EMPTY.DAT", b"")]),
        ]
        for label, package, members in cases:
            with self.subTest(label):
                for name in os.listdir(self.folder):
                    os.remove(self.path(name))
                program = self.path("qv_temp.exe")
                with open(program, "wb") as f:
                    f.write(package)
                self.assertEqual(self.run_stub(program), OK)
                for name, data in members:
                    self.assertEqual(self.read(name), data, name)
                    self.assertEqual(os.path.getmtime(self.path(name)), WHEN, name)
                self.assertEqual(self.leftovers(), [])

    def mixed_archive(self, members):
        """The first member stored, the others deflated."""
        out = io.BytesIO()
        with zipfile.ZipFile(out, "w") as archive:
            for index, (name, data) in enumerate(members):
                info = zipfile.ZipInfo(name, time.localtime(WHEN)[:6])
                info.compress_type = zipfile.ZIP_STORED if index == 0 else zipfile.ZIP_DEFLATED
                archive.writestr(info, data)
        out.seek(0)
        return out.read()

    def test_existing_file_is_kept_unless_minus_o(self):
        program = self.write_package(archive_of([("QVUR.VT", self.data)]))
        # "-o" inside the program's quoted name does not count.
        named_minus_o = self.write_package(archive_of([("QVUR.VT", self.data)]), "x -o.exe")
        for label, package, args, code, after in [
            ("no -o", program, [], FILE_EXISTS, b"old"),
            ("-o in the name only", named_minus_o, [], FILE_EXISTS, b"old"),
            ("-o", program, ["-o"], OK, self.data),
        ]:
            with self.subTest(label):
                with open(self.path("QVUR.VT"), "wb") as f:
                    f.write(b"old")
                self.assertEqual(self.run_stub(package, *args), code)
                self.assertEqual(self.read("QVUR.VT"), after)
                self.assertEqual(self.leftovers(), [])

    def test_damaged_or_unsafe_archives_write_nothing(self):
        good = archive_of([("QVUR.VT", self.data)])
        directory = struct.unpack_from("<I", good, len(good) - 22 + 16)[0]

        def patched(offset, value, fmt="<I"):
            archive = bytearray(good)
            struct.pack_into(fmt, archive, offset, value)
            return bytes(archive)

        crc = zlib.crc32(self.data)
        data_start = 30 + len("QVUR.VT")
        broken_stream = bytearray(good)
        broken_stream[data_start] = 0x07  # a final block of the reserved type 3
        cases = [
            ("no archive at all", None, NO_ARCHIVE, []),
            ("wrong CRC", patched(directory + 16, crc ^ 1), CRC_MISMATCH, ["QVUR.VT"]),
            ("wrong size", patched(directory + 24, len(self.data) + 1), BAD_ARCHIVE, ["QVUR.VT"]),
            ("broken deflate data", bytes(broken_stream), BAD_ARCHIVE, ["QVUR.VT"]),
            ("a path in the name", archive_of([("..\\QVUR.VT", b"x")]), BAD_ARCHIVE, ["..\\QVUR.VT"]),
            ("a folder in the name", archive_of([("SUB/QVUR.VT", b"x")]), BAD_ARCHIVE, ["SUB"]),
            ("encrypted", patched(directory + 8, 1, "<H"), BAD_ARCHIVE, ["QVUR.VT"]),
        ]
        for label, archive, code, absent in cases:
            with self.subTest(label):
                program = self.write_package(archive)
                self.assertEqual(self.run_stub(program, "-o"), code)
                for name in absent:
                    self.assertFalse(os.path.exists(self.path(name)), name)
                self.assertFalse(os.path.exists(os.path.join(os.path.dirname(self.folder), "QVUR.VT")))
                self.assertEqual(self.leftovers(), [])


if __name__ == "__main__":
    unittest.main()
