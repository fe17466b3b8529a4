"""The synthetic dictionaries, the packages built from them, and the stub's imports.

With QV_SFX_STUB naming the built stub (the CMake test sets it), the packages
are built with it and its imports are checked; otherwise a stand-in stub is used.
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

PAIRS = "EU ER UE UR RE RU GU GR UG RG EG GE".split()
BUILT_STUB = os.environ.get("QV_SFX_STUB")


def deflated_size(data):
    compressor = zlib.compressobj(9, zlib.DEFLATED, -15)
    return len(compressor.compress(data) + compressor.flush())


def stub_bytes():
    if BUILT_STUB:
        with open(BUILT_STUB, "rb") as f:
            return f.read()
    # A stand-in of an awkward length that contains ZIP-like signatures.
    return b"MZ" + b"PK\x05\x06PK\x01\x02" * 100 + bytes(1203)


def run_tool(script, *args, env=None):
    return subprocess.run([sys.executable, os.path.join(TOOLS, script), *args],
                          check=True, capture_output=True, env=env)


class DictionaryTest(unittest.TestCase):
    def test_deterministic_per_code(self):
        first = make_dictionary.make_dictionary("RU", 50000)
        self.assertEqual(first, make_dictionary.make_dictionary("ru", 50000))
        self.assertNotEqual(first, make_dictionary.make_dictionary("UR", 50000))

    def test_default_sizes(self):
        sizes = {code: make_dictionary.default_size(code) for code in PAIRS}
        self.assertEqual(sizes["UR"], 836463)
        for code, size in sizes.items():
            self.assertTrue(550000 <= size <= 950000, (code, size))
        self.assertEqual(len(set(sizes.values())), len(PAIRS), "each pair has its own size")

    def test_compresses_like_a_scrambled_dictionary(self):
        for code in ("UR", "GE"):
            data = make_dictionary.make_dictionary(code)
            ratio = deflated_size(data) / len(data)
            self.assertTrue(0.66 <= ratio <= 0.74, (code, ratio))

    def test_command_line(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "qvUR.vt")
            run_tool("make_dictionary.py", "UR", path)
            with open(path, "rb") as f:
                self.assertEqual(f.read(), make_dictionary.make_dictionary("UR"))
            run_tool("make_dictionary.py", "EG", path, "123457")
            self.assertEqual(os.path.getsize(path), 123457)

    def test_rejects_bad_codes(self):
        for code in ("", "U", "URR", "U1", "Ы2"):
            with self.assertRaises(ValueError, msg=code):
                make_dictionary.make_dictionary(code, 10)


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.stub = stub_bytes()
        cls.data = make_dictionary.make_dictionary("UR", 300000)
        cls.folder = tempfile.mkdtemp()
        cls.input = os.path.join(cls.folder, "qvUR.vt")
        with open(cls.input, "wb") as f:
            f.write(cls.data)
        cls.stub_path = os.path.join(cls.folder, "stub.exe")
        with open(cls.stub_path, "wb") as f:
            f.write(cls.stub)
        cls.package_path = os.path.join(cls.folder, "package_UR.bin")
        run_tool("make_package.py", "--stub", cls.stub_path, "--member", "QVUR.VT",
                 "--input", cls.input, "--output", cls.package_path)
        with open(cls.package_path, "rb") as f:
            cls.package = f.read()

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder)

    def test_stub_comes_first_and_the_member_reads_back(self):
        self.assertEqual(self.package[:len(self.stub)], self.stub)
        with zipfile.ZipFile(io.BytesIO(self.package)) as archive:
            self.assertIsNone(archive.testzip())
            (info,) = archive.infolist()
            self.assertEqual(info.filename, "QVUR.VT")
            self.assertEqual(info.compress_type, zipfile.ZIP_DEFLATED)
            self.assertEqual(info.flag_bits & 1, 0, "not encrypted")
            self.assertEqual(archive.read(info), self.data)

    def test_offsets_count_from_the_start_of_the_file(self):
        p = self.package
        end = len(p) - 22
        self.assertEqual(p[end:end + 4], b"PK\x05\x06")
        entries, size, directory = struct.unpack_from("<HII", p, end + 10)
        self.assertEqual(entries, 1)
        self.assertEqual(directory + size, end, "the directory ends where the end record starts")
        self.assertEqual(p[directory:directory + 4], b"PK\x01\x02")
        (local,) = struct.unpack_from("<I", p, directory + 42)
        self.assertEqual(local, len(self.stub), "the member starts right after the stub")
        self.assertEqual(p[local:local + 4], b"PK\x03\x04")
        name_length, extra_length = struct.unpack_from("<HH", p, local + 26)
        packed = struct.unpack_from("<I", p, directory + 20)[0]
        self.assertEqual(local + 30 + name_length + extra_length + packed, directory)

    @unittest.skipUnless(shutil.which("unzip"), "unzip is not installed")
    def test_unzip_lists_and_extracts_without_complaint(self):
        listing = subprocess.run(["unzip", "-l", self.package_path], capture_output=True, text=True)
        self.assertEqual(listing.returncode, 0, listing.stderr)
        self.assertIn("QVUR.VT", listing.stdout)
        self.assertNotIn("warning", (listing.stdout + listing.stderr).lower())
        extracted = subprocess.run(["unzip", "-p", self.package_path, "QVUR.VT"], capture_output=True)
        self.assertEqual(extracted.returncode, 0)
        self.assertEqual(extracted.stdout, self.data)

    @unittest.skipUnless(shutil.which("zip"), "zip is not installed")
    def test_archive_is_no_bigger_than_zip_9(self):
        with tempfile.TemporaryDirectory() as folder:
            reference = os.path.join(folder, "reference.zip")
            subprocess.run(["zip", "-q", "-9", "-j", reference, self.input], check=True)
            archive = len(self.package) - len(self.stub)
            self.assertLessEqual(archive, os.path.getsize(reference) * 1.02)

    def test_member_date_is_the_inputs_clamped_to_source_date_epoch(self):
        when = time.mktime((1998, 12, 5, 10, 30, 8, 0, 0, -1))
        os.utime(self.input, (when, when))
        output = os.path.join(self.folder, "dated.bin")
        args = ("--stub", self.stub_path, "--member", "QVUR.VT", "--input", self.input, "--output", output)
        cases = [
            (None, (1998, 12, 5, 10, 30, 8)),
            (str(int(when) + 86400), (1998, 12, 5, 10, 30, 8)),  # a later epoch does not move it
            (str(int(when) - 3600), (1998, 12, 5, 9, 30, 8)),    # an earlier one does
        ]
        for epoch, expected in cases:
            env = dict(os.environ)
            env.pop("SOURCE_DATE_EPOCH", None)
            if epoch:
                env["SOURCE_DATE_EPOCH"] = epoch
            run_tool("make_package.py", *args, env=env)
            with zipfile.ZipFile(output) as archive:
                self.assertEqual(archive.getinfo("QVUR.VT").date_time, expected, epoch)

    @unittest.skipUnless(shutil.which("zip"), "zip is not installed")
    def test_attach_stub_moves_every_member_of_a_foreign_archive(self):
        with tempfile.TemporaryDirectory() as folder:
            first, second = os.path.join(folder, "A.TXT"), os.path.join(folder, "B.BIN")
            with open(first, "wb") as f:
                f.write(b"stored as it is")
            with open(second, "wb") as f:
                f.write(self.data[:40000])
            archive_path = os.path.join(folder, "two.zip")
            subprocess.run(["zip", "-q", "-0", "-j", archive_path, first], check=True)
            subprocess.run(["zip", "-q", "-9", "-j", "-z", archive_path, second],
                           input=b"a comment\n", check=True)
            with open(archive_path, "rb") as f:
                package = make_package.attach_stub(self.stub, f.read())
        with zipfile.ZipFile(io.BytesIO(package)) as archive:
            self.assertIsNone(archive.testzip())
            self.assertEqual(archive.read("A.TXT"), b"stored as it is")
            self.assertEqual(archive.read("B.BIN"), self.data[:40000])
            for info in archive.infolist():
                self.assertGreaterEqual(info.header_offset, len(self.stub))

    def test_attach_stub_rejects_what_is_not_an_archive(self):
        for junk in (b"", b"PK\x05\x06", bytes(100), self.data[:1000]):
            with self.assertRaises(ValueError):
                make_package.attach_stub(self.stub, junk)

    @unittest.skipUnless(shutil.which("advzip"), "advzip is not installed")
    def test_advzip_package_reads_back_and_is_smaller(self):
        package = make_package.make_package(self.stub, "QVUR.VT", self.data, time.time(), "advzip")
        with zipfile.ZipFile(io.BytesIO(package)) as archive:
            self.assertEqual(archive.read("QVUR.VT"), self.data)
        self.assertLess(len(package), len(self.package))


def objdump_for(machine):
    configured = os.environ.get("QV_OBJDUMP")
    if configured and shutil.which(configured):
        return configured
    triple = {0x14C: "i686", 0x8664: "x86_64"}[machine] + "-w64-mingw32-objdump"
    return shutil.which(triple)


@unittest.skipUnless(BUILT_STUB, "QV_SFX_STUB does not name a built stub")
class StubImageTest(unittest.TestCase):
    def setUp(self):
        self.image = stub_bytes()
        pe = struct.unpack_from("<I", self.image, 0x3C)[0]
        self.assertEqual(self.image[pe:pe + 4], b"PE\0\0")
        self.machine = struct.unpack_from("<H", self.image, pe + 4)[0]
        optional = pe + 24
        self.subsystem = struct.unpack_from("<H", self.image, optional + 68)[0]

    def test_windows_program_without_a_console(self):
        self.assertEqual(self.subsystem, 2, "GUI subsystem: no console window")

    def test_imports_only_kernel32_and_the_c_runtime(self):
        objdump = objdump_for(self.machine)
        if not objdump:
            self.skipTest("no objdump for the stub's architecture")
        dump = subprocess.run([objdump, "-p", BUILT_STUB], check=True, capture_output=True, text=True).stdout
        dlls = sorted(line.split(":", 1)[1].strip().upper() for line in dump.splitlines()
                      if line.strip().startswith("DLL Name:"))
        # No USER32: the stub cannot open a window or ask anything.
        self.assertEqual(dlls, ["KERNEL32.DLL", "MSVCRT.DLL"])

    def test_i686_stub_stays_small(self):
        if self.machine != 0x14C:
            self.skipTest("the size budget is the shipped i686 stub's")
        self.assertLess(len(self.image), 27648)


if __name__ == "__main__":
    unittest.main()
