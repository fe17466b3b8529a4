#!/usr/bin/env python3
"""Builds the package that a setup program carries: the unpacking stub
followed by a ZIP archive of one dictionary file.

    make_package.py --stub STUB.exe --member QVUR.VT --input qvUR.vt \\
                    --output package.bin [--compressor zopfli|zlib|advzip]
                    [--cache DIR] [--date-of FILE]

The member is deflated by every encoder the compressor allows and the
smallest stream is kept; all of them are standard deflate:
  zlib    zlib at level 9 with each of its strategies (default, filtered,
          Huffman only, run-length): fast, needs nothing but Python
  zopfli  those, and zopfli (Debian: zopfli), a few per cent smaller than
          zip -9 and about a second per megabyte
  advzip  those, and the archive recompressed by advzip -z -4 (Debian:
          advancecomp), which runs zopfli too

The archive's offsets are shifted to count from the start of the whole
package, as the stub expects, so that ordinary zip tools list it too.

With --cache, the archive (everything but the stub) is kept in DIR under a
key made of the input's bytes, the member's name and date, the compressor,
the compressor program's own bytes and this script's: a build for another
architecture, whose packages differ only in the stub, finds it there.

The member's date is the input file's last change (or FILE's, with
--date-of), clamped to SOURCE_DATE_EPOCH when that is set; the stub gives
the unpacked file that date.
"""

import argparse
import hashlib
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


COMPRESSORS = ("zopfli", "zlib", "advzip")
ZLIB_STRATEGIES = (zlib.Z_DEFAULT_STRATEGY, zlib.Z_FILTERED, zlib.Z_HUFFMAN_ONLY, zlib.Z_RLE)


def deflate_raw(data, level=9, strategy=zlib.Z_DEFAULT_STRATEGY):
    compressor = zlib.compressobj(level, zlib.DEFLATED, -15, 9, strategy)
    return compressor.compress(data) + compressor.flush()


def deflate_zlib_best(data):
    """The smallest of zlib's level-9 streams over its strategies.

    Data with few repeats (a scrambled dictionary) codes smaller as literals
    alone than with the short matches the default strategy takes."""
    return min((deflate_raw(data, 9, strategy) for strategy in ZLIB_STRATEGIES), key=len)


def deflate_zopfli(data):
    """zopfli's raw deflate stream of `data`."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "member")
        with open(path, "wb") as out:
            out.write(data)
        return subprocess.run(["zopfli", "--deflate", "-c", path], check=True,
                              stdout=subprocess.PIPE).stdout


def inflate_raw(packed):
    decompressor = zlib.decompressobj(-15)
    return decompressor.decompress(packed) + decompressor.flush()


def deflate_best(data, compressor):
    """The smallest deflate stream of `data` that `compressor` allows, checked."""
    candidates = [deflate_zlib_best(data)]
    if compressor == "zopfli":
        candidates.append(deflate_zopfli(data))
    for packed in sorted(candidates, key=len):
        if inflate_raw(packed) == data:
            return packed
    raise ValueError("no deflate stream reads back")


def build_archive(member, data, timestamp, packed=None):
    """A ZIP archive holding `data` as `member`, deflated (by default zlib,
    level 9, its smallest strategy; else the stream `packed`).

    Offsets count from the archive's own start."""
    name = member.encode("ascii")
    if packed is None:
        packed = deflate_zlib_best(data)
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


def make_archive(member, data, timestamp, compressor):
    if compressor not in COMPRESSORS:
        raise ValueError(f"unknown compressor {compressor}")
    if compressor == "advzip":
        return recompress_with_advzip(build_archive(member, data, timestamp))
    return build_archive(member, data, timestamp, deflate_best(data, compressor))


def tool_fingerprint(compressor):
    """The bytes of the program doing the compression, and of this script."""
    digest = hashlib.sha256()
    with open(os.path.abspath(__file__), "rb") as f:
        digest.update(f.read())
    if compressor in ("zopfli", "advzip"):
        with open(shutil.which(compressor), "rb") as f:
            digest.update(f.read())
    digest.update(zlib.ZLIB_RUNTIME_VERSION.encode("ascii"))
    return digest.hexdigest()


def cached_archive(cache, member, data, timestamp, compressor):
    """make_archive's result, taken from or stored in the folder `cache`."""
    key = hashlib.sha256()
    for part in (tool_fingerprint(compressor), compressor, member, repr(dos_date_time(timestamp))):
        key.update(part.encode("utf-8") + b"\0")
    key.update(data)
    path = os.path.join(cache, key.hexdigest() + ".zip")
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        pass
    archive = make_archive(member, data, timestamp, compressor)
    os.makedirs(cache, exist_ok=True)
    # Another build may write the same entry at the same time: each writes its
    # own file and renames it into place, and both write the same bytes.
    handle, temporary = tempfile.mkstemp(dir=cache, suffix=".tmp")
    with os.fdopen(handle, "wb") as out:
        out.write(archive)
    os.chmod(temporary, 0o644)
    os.replace(temporary, path)
    return archive


def make_package(stub, member, data, timestamp, compressor="zopfli", cache=None):
    if cache:
        archive = cached_archive(cache, member, data, timestamp, compressor)
    else:
        archive = make_archive(member, data, timestamp, compressor)
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
    parser.add_argument("--compressor", choices=COMPRESSORS, default="zopfli",
                        help="zopfli (default), zlib, or advzip: see above")
    parser.add_argument("--cache", help="folder keeping archives made before")
    parser.add_argument("--date-of", help="the file whose date the member gets (default: the input)")
    args = parser.parse_args(argv[1:])

    with open(args.stub, "rb") as f:
        stub = f.read()
    with open(args.input, "rb") as f:
        data = f.read()
    if args.compressor != "zlib" and shutil.which(args.compressor) is None:
        parser.error(f"{args.compressor} is not installed")
    timestamp = source_timestamp(args.date_of or args.input)
    package = make_package(stub, args.member, data, timestamp, args.compressor, args.cache)

    temporary = args.output + ".tmp"
    with open(temporary, "wb") as out:
        out.write(package)
    os.replace(temporary, args.output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
