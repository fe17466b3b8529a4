#!/usr/bin/env python3
"""Prints the benchmark's figures beside their floors (tools/benchmark.sh).

    report.py FIGURES

FIGURES holds one "NAME VALUE..." line per figure, as benchmark.sh writes
it; a time measured under Wine has four values: median, min, max (ms) and
the number of runs.
"""

import struct
import sys

PAIRS = "EU ER UE UR RE RU GU GR UG RG EG GE".split()
STUB_PEER = 27648      # 7zS2.sfx, the smallest common self-extractor stub
SETUP_BUDGET = 49152   # 48 KiB of setup program (i686) without its package
ARCHIVE_LIMIT = 1.02   # times zip -9
UNPACK_LIMIT = 1.5     # times (empty start + native inflate)
CHAINED_LIMIT = 2.0    # times the empty program's start


def read_figures(path):
    figures = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            name, _, rest = line.strip().partition(" ")
            if name:
                figures[name] = rest
    return figures


def pe_sections(path):
    """(name, virtual size, size in the file) of each section of a PE image, and the headers' size."""
    with open(path, "rb") as f:
        image = f.read()
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    count, optional_size = struct.unpack_from("<H", image, pe + 6)[0], struct.unpack_from("<H", image, pe + 20)[0]
    headers = struct.unpack_from("<I", image, pe + 24 + 60)[0]
    table = pe + 24 + optional_size
    sections = []
    for i in range(count):
        entry = table + 40 * i
        name = image[entry:entry + 8].rstrip(b"\0").decode("ascii", "replace")
        virtual, _, raw = struct.unpack_from("<III", image, entry + 8)
        sections.append((name, virtual, raw))
    return headers, sections


def setup_parts(program, package):
    """The file's bytes by part: headers, code, data, imports, relocations, resources, package."""
    headers, sections = pe_sections(program)
    parts = {"headers": headers, "code": 0, "data": 0, "imports": 0, "relocations": 0, "resources": 0}
    code_and_data = 0
    for name, virtual, raw in sections:
        if name == ".text":
            parts["code"] += raw
            code_and_data += virtual
        elif name == ".idata":
            parts["imports"] += raw
        elif name == ".reloc":
            parts["relocations"] += raw
        elif name == ".rsrc":
            parts["resources"] += raw - package
        elif raw:
            parts["data"] += raw
            code_and_data += virtual
    parts["package"] = package
    return parts, code_and_data


def main(argv):
    f = read_figures(argv[1])
    number = lambda name: float(f[name].split()[0])
    integer = lambda name: int(f[name].split()[0])
    b = lambda n: f"{n:,} B"
    ms = lambda t: f"{t:.1f} ms"

    rows = []
    goals = {"size": [], "time": []}

    def row(name, value, floor_text, ratio, goal="", limit=None, kind=None):
        verdict = ""
        if limit is not None:
            met = ratio <= limit
            goals[kind].append(met)
            verdict = "met" if met else "NOT MET"
        shown = f"{ratio:.3f}x" if ratio < 2 else f"{ratio:.2f}x" if ratio < 10 else f"{ratio:.1f}x"
        rows.append((name, value, floor_text, shown, goal, verdict))

    empty32, empty64 = integer("empty_i686"), integer("empty_x86_64")
    stub32, stub64 = integer("stub_i686"), integer("stub_x86_64")
    package32, package64, zip9 = integer("package_i686"), integer("package_x86_64"), integer("zip9")
    archive = package32 - stub32

    row("package stub, i686", b(stub32), f"empty program {b(empty32)}", stub32 / empty32,
        f"< {b(STUB_PEER)} (7zS2.sfx)", (STUB_PEER - 1) / empty32, "size")
    row("package stub, x86_64", b(stub64), f"empty program {b(empty64)}", stub64 / empty64)
    row(f"archive of qvUR.vt ({f['compressor']})", b(archive), f"zip -9 {b(zip9)}", archive / zip9,
        f"<= {ARCHIVE_LIMIT}x", ARCHIVE_LIMIT, "size")
    row("package, i686", b(package32), f"zip -9 + stub {b(zip9 + stub32)}", package32 / (zip9 + stub32))
    row("package, x86_64", b(package64), f"zip -9 + stub {b(zip9 + stub64)}", package64 / (zip9 + stub64))
    for arch, empty in (("i686", empty32), ("x86_64", empty64)):
        largest = max(integer(f"setup_{arch}_{code}") for code in PAIRS)
        if arch == "i686":
            row("setup program w/o package, i686 (largest)", b(largest), f"empty program {b(empty)}",
                largest / empty, f"<= {b(SETUP_BUDGET)}", SETUP_BUDGET / empty, "size")
        else:
            row("setup program w/o package, x86_64 (largest)", b(largest), f"empty program {b(empty)}",
                largest / empty)
        _, code_and_data = setup_parts(f[f"setup_exe_{arch}"], int(f[f"setup_package_{arch}"]))
        row(f"  its code and data (SetupUR.exe, {arch})", b(code_and_data), f"budget {b(SETUP_BUDGET)}",
            code_and_data / SETUP_BUDGET)

    empty_start, inflate = number("empty_start"), number("inflate")
    unpack, install, restore = number("unpack"), number("install_beyond_notice"), number("restore")
    refresh, lookups = number("refresh_rows"), number("twelve_lookups")
    gui_start, notice_program = number("gui_start"), number("notice_program_beyond_notice")
    unpack_floor = empty_start + inflate
    row("unpack qvUR.vt (the package's run)", ms(unpack), f"empty start {ms(empty_start)} + inflate {ms(inflate)}",
        unpack / unpack_floor, f"<= {UNPACK_LIMIT}x", UNPACK_LIMIT, "time")
    row("chained install -i -8, beyond the 2 s notice", ms(install), f"empty start {ms(empty_start)}",
        install / empty_start, f"<= {CHAINED_LIMIT:g}x", CHAINED_LIMIT, "time")
    row("  the same against Wine's GUI floor", ms(install),
        f"notice-only program {ms(notice_program)} + unpack {ms(unpack)}", install / (notice_program + unpack))
    row("chained restore -d -8 (no notice shown)", ms(restore), f"empty start {ms(empty_start)}",
        restore / empty_start, f"<= {CHAINED_LIMIT:g}x", CHAINED_LIMIT, "time")
    row("  the same against Wine's GUI floor", ms(restore), f"program with the same DLLs {ms(gui_start)}",
        restore / gui_start)
    row("RefreshDictionaryRows, one pass", ms(refresh), f"its 12 look-ups {ms(lookups)}", refresh / lookups)

    runs = f["runs"]
    print()
    print(f"Quorvi 98 setup benchmark on {f['machine']}")
    print(f"Wine times: medians of {runs} runs ({f['refresh_rows'].split()[3]} passes for the dialog);"
          f" inflate: host zlib, median of {f['inflate_runs']} runs")
    print()
    header = ("figure", "value", "floor", "ratio", "goal", "")
    widths = [max(len(r[i]) for r in rows + [header]) for i in range(len(header))]
    for r in [header] + rows:
        cells = [c.rjust(widths[i]) if i in (1, 3) else c.ljust(widths[i]) for i, c in enumerate(r)]
        print("  ".join(cells).rstrip())
    print()
    print("SetupUR.exe by part, bytes in the file (code and data above: their sections' own sizes):")
    for arch in ("i686", "x86_64"):
        parts, _ = setup_parts(f[f"setup_exe_{arch}"], int(f[f"setup_package_{arch}"]))
        print(f"  {arch:<7}" + ", ".join(f"{name} {size:,}" for name, size in parts.items()))
    print()
    print("setup programs without their package (file size - package size):")
    for code in PAIRS:
        print(f"  Setup{code}.exe  i686 {integer(f'setup_i686_{code}'):>9,} B"
              f"  x86_64 {integer(f'setup_x86_64_{code}'):>9,} B")
    print()
    print("Wine figures (median / min / max ms, runs):")
    for name in ("empty_start", "gui_start", "notice_program_beyond_notice", "unpack", "install_beyond_notice",
                 "restore", "refresh_rows", "twelve_lookups"):
        median, low, high, count = f[name].split()
        print(f"  {name:<28} {float(median):8.2f} {float(low):8.2f} {float(high):8.2f}  {count}")
    print()
    size_met, time_met = goals["size"], goals["time"]
    print(f"summary: size goals {sum(size_met)}/{len(size_met)} met, time goals {sum(time_met)}/{len(time_met)} met;"
          f" stub {stub32:,} B, archive {archive / zip9:.3f}x zip -9, unpack {unpack / unpack_floor:.2f}x its floor,"
          f" install {install:.0f} ms beyond the notice = {install / empty_start:.1f}x an empty start of"
          f" {empty_start:.1f} ms")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
