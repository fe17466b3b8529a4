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
# The build's default; the plain zlib one where zopfli is missing.
DEFAULT_COMPRESSOR = "zopfli" if shutil.which("zopfli") else "zlib"


def deflated_size(data):
    compressor = zlib.compressobj(9, zlib.DEFLATED, -15)
    return len(compressor.compress(data) + compressor.flush())


def stub_bytes():
    if BUILT_STUB:
        with open(BUILT_STUB, "rb") as f:
            return f.read()
    # A stand-in of an awkward length that contains ZIP-like signatures.
    return b"MZ" + b"PK\x05\x06PK\x01\x02" * 100 + bytes(1203)


def zip_9_size(path):
    with tempfile.TemporaryDirectory() as folder:
        reference = os.path.join(folder, "reference.zip")
        subprocess.run(["zip", "-q", "-9", "-j", reference, path], check=True)
        return os.path.getsize(reference)


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
                 "--input", cls.input, "--output", cls.package_path, "--compressor", DEFAULT_COMPRESSOR)
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
    def test_every_compressor_reads_back_within_zip_9(self):
        reference = zip_9_size(self.input)
        plain_zlib = len(make_package.build_archive("QVUR.VT", self.data, time.time(),
                                                    make_package.deflate_raw(self.data)))
        sizes = {}
        for compressor in make_package.COMPRESSORS:
            if compressor != "zlib" and not shutil.which(compressor):
                continue
            with self.subTest(compressor=compressor):
                package = make_package.make_package(self.stub, "QVUR.VT", self.data, time.time(), compressor)
                with zipfile.ZipFile(io.BytesIO(package)) as archive:
                    self.assertEqual(archive.read("QVUR.VT"), self.data)
                sizes[compressor] = len(package) - len(self.stub)
                self.assertLessEqual(sizes[compressor], reference * 1.02)
                # None is worse than zlib's level 9 with its default strategy.
                self.assertLessEqual(sizes[compressor], plain_zlib)
        for stronger in ("zopfli", "advzip"):
            if stronger in sizes:
                self.assertLess(sizes[stronger], sizes["zlib"], stronger)

    def test_cache_gives_the_same_archive_and_never_another_inputs(self):
        when = time.mktime((2001, 1, 15, 12, 0, 0, 0, 0, -1))
        other_stub = b"MZ" + bytes(777)
        with tempfile.TemporaryDirectory() as cache:
            first = make_package.make_package(self.stub, "QVUR.VT", self.data, when, "zlib", cache)
            real_make_archive = make_package.make_archive
            calls = []

            def counting_make_archive(*args):
                calls.append(args)
                return real_make_archive(*args)

            make_package.make_archive = counting_make_archive
            try:
                again = make_package.make_package(other_stub, "QVUR.VT", self.data, when, "zlib", cache)
                self.assertEqual(calls, [], "the second build takes the archive from the cache")
                # The same local header and deflate stream; only the offsets moved with the stub.
                body = struct.unpack_from("<I", first, len(first) - 22 + 16)[0] - len(self.stub)
                self.assertEqual(again[len(other_stub):len(other_stub) + body],
                                 first[len(self.stub):len(self.stub) + body])
                changed = self.data[:-1] + bytes([self.data[-1] ^ 1])
                variants = [
                    ("QVUR.VT", changed, when),
                    ("QVRU.VT", self.data, when),
                    ("QVUR.VT", self.data, when + 86400),
                ]
                for member, data, timestamp in variants:
                    package = make_package.make_package(self.stub, member, data, timestamp, "zlib", cache)
                    with zipfile.ZipFile(io.BytesIO(package)) as archive:
                        self.assertEqual(archive.namelist(), [member])
                        self.assertEqual(archive.read(member), data)
                self.assertEqual(len(calls), len(variants), "each differing input is packed anew")
            finally:
                make_package.make_archive = real_make_archive

    def test_member_date_is_the_inputs_clamped_to_source_date_epoch(self):
        when = time.mktime((1998, 12, 5, 10, 30, 8, 0, 0, -1))
        os.utime(self.input, (when, when))
        generator = os.path.join(self.folder, "generator.py")
        with open(generator, "w") as f:
            f.write("# dates a generated input\n")
        generated = time.mktime((1997, 6, 1, 8, 0, 0, 0, 0, -1))
        os.utime(generator, (generated, generated))
        output = os.path.join(self.folder, "dated.bin")
        args = ("--stub", self.stub_path, "--member", "QVUR.VT", "--input", self.input, "--output", output,
                "--compressor", "zlib")
        cases = [
            (None, (), (1998, 12, 5, 10, 30, 8)),
            (str(int(when) + 86400), (), (1998, 12, 5, 10, 30, 8)),  # a later epoch does not move it
            (str(int(when) - 3600), (), (1998, 12, 5, 9, 30, 8)),    # an earlier one does
            (None, ("--date-of", generator), (1997, 6, 1, 8, 0, 0)),
            (str(int(generated) - 7200), ("--date-of", generator), (1997, 6, 1, 6, 0, 0)),
        ]
        for epoch, extra, expected in cases:
            env = dict(os.environ)
            env.pop("SOURCE_DATE_EPOCH", None)
            if epoch:
                env["SOURCE_DATE_EPOCH"] = epoch
            run_tool("make_package.py", *args, *extra, env=env)
            with zipfile.ZipFile(output) as archive:
                self.assertEqual(archive.getinfo("QVUR.VT").date_time, expected, (epoch, extra))

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

    def test_imports_only_kernel32(self):
        objdump = objdump_for(self.machine)
        if not objdump:
            self.skipTest("no objdump for the stub's architecture")
        dump = subprocess.run([objdump, "-p", BUILT_STUB], check=True, capture_output=True, text=True).stdout
        dlls = sorted(line.split(":", 1)[1].strip().upper() for line in dump.splitlines()
                      if line.strip().startswith("DLL Name:"))
        # No USER32: the stub cannot open a window or ask anything. No C runtime either.
        self.assertEqual(dlls, ["KERNEL32.DLL"])

    def test_i686_stub_stays_small(self):
        if self.machine != 0x14C:
            self.skipTest("the size budget is the shipped i686 stub's")
        self.assertLess(len(self.image), 27648)


if __name__ == "__main__":
    unittest.main()
