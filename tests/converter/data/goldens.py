#!/usr/bin/env python3
"""Makes the generated sources of this folder and their expected outputs.

The expected outputs come from the conversion rules written out again here,
apart from the converter: text lines (LF or CR LF, Ctrl+Z ends the text),
positional code/value pairs, pending values, one polyline per reference value
in ascending order, the first point of a pair wins, "%.2f" with CR LF.
Run it from this folder; it rewrites the files it names below.
"""
import random
import re
from pathlib import Path


def lines_of(data):
    lines = data.split(b"\x1a")[0].decode("ascii").split("\n")
    return [line.removesuffix("\r") for line in (lines[:-1] if lines[-1] == "" else lines)]


def atoi(text):
    m = re.match(r"[ \t\n\v\f\r]*([+-]?\d+)", text)
    return max(-2**31, min(2**31 - 1, int(m.group(1)))) if m else 0


def atof(text):
    m = re.match(r"[ \t\n\v\f\r]*([+-]?(\d+\.?\d*|\.\d+)([eEdD][+-]?\d+)?)", text)
    return float(re.sub("[dD]", "e", m.group(1))) if m else 0.0


def convert(data, axis="x"):
    """The output bytes and the counters (lines, points, polylines)."""
    lines = lines_of(data)
    polylines = {}  # reference value -> {other value: (x, y, z) of the first point}
    points = 0
    primary = secondary = 0.0
    code = 0
    for i, line in enumerate(lines):
        if i % 2 == 0:
            code = atoi(line)
        elif 10 <= code <= 29:
            value = atof(line)
            if (code < 20) == (axis == "x"):
                primary = value
            else:
                secondary = value
        elif 30 <= code <= 39:
            vertices = polylines.setdefault(primary, {})
            if secondary not in vertices:
                point = (primary, secondary) if axis == "x" else (secondary, primary)
                vertices[secondary] = point + (atof(line),)
                points += 1
    out = ["999", "DXF 3D PolyLines", "0", "SECTION", "2", "ENTITIES"]
    for key in sorted(polylines):
        out += ["0", "POLYLINE", "8", "0", "66", "1", "10", "0.0", "20", "0.0", "30", "0.0"]
        for other in sorted(polylines[key]):
            x, y, z = polylines[key][other]
            out += ["0", "VERTEX", "8", "0", "10", "%.2f" % x, "20", "%.2f" % y, "30", "%.2f" % z]
        out += ["0", "SEQEND"]
    out += ["0", "ENDSEC", "0", "EOF"]
    return "".join(line + "\r\n" for line in out).encode("ascii"), (len(lines), points, len(polylines))


def source(triples):
    return "".join(" 10\r\n%s\r\n 20\r\n%s\r\n 30\r\n%s\r\n" % t for t in triples).encode("ascii")


def crlf(*lines):
    return "".join(line + "\r\n" for line in lines).encode("ascii")


sources = {
    "assembly_example": source([(1, 5, 0), (1, 2, 0), (3, 1, 0), (2, 7, 0), (1, 5, 9), (3, 1, 1), (1, 3, 0)]),
    # Three rounds over one polyline of 100 vertices (the first z stays); 1e2
    # equals 100, one more digit makes another key; 0 and -0 are one value
    # as key and as secondary, each vertex keeping the zero it was read with.
    "duplicates": source([(7, s * 0.25, r + s) for r in range(3) for s in range(100)]
                         + [(100, 0, 0), ("1e2", 0, 1), ("100.0000001", 0, 0)]
                         + [(0, 1, 0), ("-0", 2, 0), ("-0", 1, 3), (5, "-0", 0), (5, 0, 4)]
                         + [(5, s, 0) for s in range(1, 21)] + [(5, "0.0", 6)]),
    # A 30 before any 10 or 20 takes 0 for both; 38 and 39 add points too;
    # "10 7" then "30 5" reuses the pending 3.
    "pending": crlf("30", "9", "38", "1.5", "10", "2", "20", "3", "39", "4", "10", "7", "30", "5"),
    # Codes 9 and 40, a negative and a huge one select nothing; a 2D point adds nothing.
    "no_points": crlf("0", "SECTION", "2", "ENTITIES", "9", "1", "40", "2", "  -30", "3", "4294967326", "4",
                      "10", "1", "20", "2", "0", "EOF"),
    "empty": b"",
    # Group 0 EOF does not end the reading; Ctrl+Z does.
    "past_eof": crlf("0", "EOF", "10", "1", "20", "2", "30", "3") + b"\x1a" + crlf("30", "9"),
}
grid = [(key, s, key * 100 + s) for key in range(1, 21) for s in range(1, 21)]
shuffled = list(grid)
random.Random(7).shuffle(shuffled)
sources["descending"] = source(reversed(grid))
sources["shuffled"] = source(shuffled)

same_output = {"descending": "grid", "shuffled": "grid", "no_points": "empty"}
for name, data in sources.items():
    Path(name + ".dxf").write_bytes(data)
    output, counters = convert(data)
    Path(same_output.get(name, name) + ".expected.dxf").write_bytes(output)
    print(name, *counters)
