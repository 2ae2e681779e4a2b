#!/usr/bin/env python3
"""An independent model of the conversion, for checking golden files.

Usage: reference_convert.py SOURCE OUTPUT [x|y]
Reads SOURCE by the converter's rules and writes what the converter must
write. Written separately from the C++ code so that the two can check each other.
"""
import re
import sys

INT = re.compile(rb'[ \t\n\v\f\r]*([+-]?\d+)')
FLOAT = re.compile(rb'[ \t\n\v\f\r]*([+-]?(?:\d+\.?\d*|\.\d+))(?:[eEdD]([+-]?\d+))?')


def atoi(line):
    m = INT.match(line)
    if not m:
        return 0
    return max(-2**31, min(2**31 - 1, int(m.group(1))))


def atof(line):
    m = FLOAT.match(line)
    if not m:
        return 0.0
    text = m.group(1).decode()
    if m.group(2):
        text += 'e' + m.group(2).decode()
    return float(text)


def lines_of(data):
    data = data.split(b'\x1a', 1)[0]
    parts = data.split(b'\n')
    last = parts.pop()  # the text after the last LF: a line only when not empty
    lines = [p[:-1] if p.endswith(b'\r') else p for p in parts]
    return lines + [last] if last else lines


def convert(data, axis):
    polylines = {}
    primary = secondary = 0.0
    lines = lines_of(data)
    for i in range(0, len(lines) - 1, 2):
        code = atoi(lines[i]) & 0xffffffff
        if not 10 <= code <= 39:
            continue
        value = atof(lines[i + 1])
        decade = code // 10
        if decade == 3:
            polylines.setdefault(primary, {}).setdefault(secondary, value)
        elif (decade == 1) == (axis == 'x'):
            primary = value
        else:
            secondary = value
    out = ['999', 'DXF 3D PolyLines', '0', 'SECTION', '2', 'ENTITIES']
    for key in sorted(polylines):
        out += ['0', 'POLYLINE', '8', '0', '66', '1', '10', '0.0', '20', '0.0', '30', '0.0']
        for other in sorted(polylines[key]):
            x, y = (key, other) if axis == 'x' else (other, key)
            out += ['0', 'VERTEX', '8', '0', '10', '%.2f' % x, '20', '%.2f' % y, '30', '%.2f' % polylines[key][other]]
        out += ['0', 'SEQEND']
    out += ['0', 'ENDSEC', '0', 'EOF']
    return ''.join(line + '\r\n' for line in out).encode()


if __name__ == '__main__':
    source, output = sys.argv[1], sys.argv[2]
    axis = sys.argv[3] if len(sys.argv) > 3 else 'x'
    with open(source, 'rb') as f:
        result = convert(f.read(), axis)
    with open(output, 'wb') as f:
        f.write(result)
