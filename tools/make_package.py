#!/usr/bin/env python3
"""Builds the package that a setup program carries: the unpacking stub
followed by a ZIP archive of one dictionary file.

    make_package.py --stub STUB.exe --member QVUR.VT --input qvUR.vt \\
                    --output package.bin [--compressor zlib|advzip]

The archive's offsets are shifted to count from the start of the whole
package, as the stub expects, so that ordinary zip tools list it too.

The member's date is the input file's last change, clamped to
SOURCE_DATE_EPOCH when that is set; the stub gives the unpacked file
that date.
"""

import argparse
import io
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zipfile
import zlib

LOCAL_SIGNATURE = 0x04034B50
CENTRAL_SIGNATURE = 0x02014B50
END_SIGNATURE = 0x06054B50
END_SIZE = 22
CENTRAL_SIZE = 46
VERSION_DOS_20 = 20          # made by MS-DOS, needs version 2.0 to extract
ATTRIBUTE_ARCHIVE = 0x20
METHOD_DEFLATED = 8


def dos_date_time(timestamp):
    """The ZIP (MS-DOS) time and date words for a timestamp, in local time."""
    t = time.localtime(timestamp)
    year = min(max(t.tm_year, 1980), 2107)
    if year != t.tm_year:
        t = time.struct_time((year, 1, 1, 0, 0, 0, 0, 1, -1))
    dos_time = t.tm_hour << 11 | t.tm_min << 5 | t.tm_sec // 2
    dos_date = (year - 1980) << 9 | t.tm_mon << 5 | t.tm_mday
    return dos_time, dos_date


def deflate_raw(data, level=9):
    compressor = zlib.compressobj(level, zlib.DEFLATED, -15, 9)
    return compressor.compress(data) + compressor.flush()


def build_archive(member, data, timestamp):
    """A ZIP archive holding `data` as `member`, deflated at level 9.

    Offsets count from the archive's own start."""
    name = member.encode("ascii")
    packed = deflate_raw(data)
    crc = zlib.crc32(data)
    dos_time, dos_date = dos_date_time(timestamp)
    common = struct.pack("<HHHHIII", 0, METHOD_DEFLATED, dos_time, dos_date, crc, len(packed), len(data))
    local = struct.pack("<IH", LOCAL_SIGNATURE, VERSION_DOS_20) + common + struct.pack("<HH", len(name), 0)
    central = (struct.pack("<IHH", CENTRAL_SIGNATURE, VERSION_DOS_20, VERSION_DOS_20) + common
               + struct.pack("<HHHHHII", len(name), 0, 0, 0, 0, ATTRIBUTE_ARCHIVE, 0))
    body = local + name + packed
    directory = central + name
    end = struct.pack("<IHHHHIIH", END_SIGNATURE, 0, 0, 1, 1, len(directory), len(body), 0)
    return body + directory + end


def recompress_with_advzip(archive):
    """The same archive, its members recompressed by advzip (zopfli) at its best level."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "archive.zip")
        with open(path, "wb") as out:
            out.write(archive)
        subprocess.run(["advzip", "--quiet", "-z", "-4", path], check=True)
        with open(path, "rb") as result:
            return result.read()


def find_end_record(archive):
    """Offset of the end-of-central-directory record whose comment reaches the end."""
    last = len(archive) - END_SIZE
    for at in range(last, max(last - 0xFFFF, 0) - 1, -1):
        if archive[at:at + 4] == struct.pack("<I", END_SIGNATURE):
            (comment_length,) = struct.unpack_from("<H", archive, at + 20)
            if at + END_SIZE + comment_length == len(archive):
                return at
    raise ValueError("no end-of-central-directory record")


def attach_stub(stub, archive):
    """`stub` followed by `archive`, with every archive offset moved by the stub's length."""
    shift = len(stub)
    out = bytearray(archive)
    end = find_end_record(out)
    disk, directory_disk, on_disk, entries, size, offset = struct.unpack_from("<HHHHII", out, end + 4)
    if disk or directory_disk or on_disk != entries:
        raise ValueError("multi-volume archives are not supported")
    if offset + size > end:
        raise ValueError("central directory overlaps the end record")
    at = offset
    for _ in range(entries):
        if struct.unpack_from("<I", out, at)[0] != CENTRAL_SIGNATURE:
            raise ValueError(f"no central directory entry at {at}")
        name_length, extra_length, comment_length = struct.unpack_from("<HHH", out, at + 28)
        (local,) = struct.unpack_from("<I", out, at + 42)
        if local == 0xFFFFFFFF:
            raise ValueError("ZIP64 archives are not supported")
        struct.pack_into("<I", out, at + 42, local + shift)
        at += CENTRAL_SIZE + name_length + extra_length + comment_length
    struct.pack_into("<I", out, end + 16, offset + shift)
    return bytes(stub) + bytes(out)


def make_package(stub, member, data, timestamp, compressor="zlib"):
    archive = build_archive(member, data, timestamp)
    if compressor == "advzip":
        archive = recompress_with_advzip(archive)
    package = attach_stub(stub, archive)
    # Read it back the way any zip tool would before anything relies on it.
    with zipfile.ZipFile(io.BytesIO(package)) as check:
        if check.namelist() != [member] or check.read(member) != data:
            raise ValueError("the package does not read back")
    return package


def source_timestamp(path):
    timestamp = os.stat(path).st_mtime
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if epoch:
        timestamp = min(timestamp, int(epoch))
    return timestamp


def main(argv):
    parser = argparse.ArgumentParser(description="Build a self-extracting dictionary package.")
    parser.add_argument("--stub", required=True, help="the unpacking program")
    parser.add_argument("--member", required=True, help="the name the file gets in the archive")
    parser.add_argument("--input", required=True, help="the file to pack")
    parser.add_argument("--output", required=True, help="the package to write")
    parser.add_argument("--compressor", choices=("zlib", "advzip"), default="zlib",
                        help="zlib level 9 (default), or advzip -z -4 over it")
    args = parser.parse_args(argv[1:])

    with open(args.stub, "rb") as f:
        stub = f.read()
    with open(args.input, "rb") as f:
        data = f.read()
    if args.compressor == "advzip" and shutil.which("advzip") is None:
        parser.error("advzip is not installed")
    package = make_package(stub, args.member, data, source_timestamp(args.input), args.compressor)

    temporary = args.output + ".tmp"
    with open(temporary, "wb") as out:
        out.write(package)
    os.replace(temporary, args.output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
