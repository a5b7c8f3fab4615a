"""An independent single-precision alignment and station list, checked against the program.

Reads the JSON cases written by the differential test (each: the polygon in millimetres with
its radii, the surveyed stations, the regular-station interval, and what the program computed)
and prints "ok N" when every case agrees bit for bit, else one line per difference.
Arithmetic is in double; every stored value is rounded to single precision, and later steps
read the stored value.
"""
import json
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', '..', 'support'))
from differential import f32, first_difference  # noqa: E402

EMPTY = 99999.0



def distance(x1, y1, x2, y2):
    dx, dy = x2 - x1, y2 - y1
    return math.sqrt(dx * dx + dy * dy)


def round_10mm(length):
    return f32(math.floor(length * 0.1 + 0.5) * 10)


def alignment(x, y, radius):
    n = len(x) - 2
    leg = [0.0] + [f32(distance(x[i - 1], y[i - 1], x[i], y[i])) for i in range(1, n + 2)]
    angle = [0.0] * (n + 2)
    for i in range(1, n + 1):
        c = f32(((x[i] - x[i - 1]) * (x[i + 1] - x[i]) + (y[i] - y[i - 1]) * (y[i + 1] - y[i])) / (leg[i] * leg[i + 1]))
        c = max(-1.0, min(1.0, c))
        angle[i] = 0.0 if abs(c) == 1.0 else f32(math.atan(-c / math.sqrt(-c * c + 1)) + 2 * math.atan(1.0))
    tl = [0.0] + [f32(radius[i] * math.tan(angle[i] * 0.5)) for i in range(1, n + 1)] + [0.0]
    cl = [0.0] + [f32(angle[i] * radius[i]) for i in range(1, n + 1)]
    # Two tangents sharing a leg must fit in it (1 mm for rounding).
    if any(tl[i - 1] + tl[i] > leg[i] + 1 for i in range(1, n + 2)):
        return {'status': 'refused'}
    bc = [[0.0, 0.0]] + [[f32(x[i] - (x[i] - x[i - 1]) * tl[i] / leg[i]), f32(y[i] - (y[i] - y[i - 1]) * tl[i] / leg[i])]
                         for i in range(1, n + 1)]
    ec = [[x[0], y[0]]] + [[f32(x[i] + (x[i + 1] - x[i]) * tl[i] / leg[i + 1]), f32(y[i] + (y[i + 1] - y[i]) * tl[i] / leg[i + 1])]
                           for i in range(1, n + 1)]
    curves = 0.0
    for i in range(1, n + 1):
        curves = f32(curves + cl[i])
    straights, here = 0.0, (x[0], y[0])
    for i in range(1, n + 1):
        straights = f32(straights + distance(here[0], here[1], bc[i][0], bc[i][1]))
        here = (ec[i][0], ec[i][1])
    straights = f32(straights + distance(here[0], here[1], x[n + 1], y[n + 1]))
    total = f32(straights + curves)

    centre = [[0.0, 0.0] for _ in range(n + 1)]
    b = e = b0 = e0 = 0.0
    for i in range(1, n + 1):
        d_in, d_out = f32(y[i] - y[i - 1]), f32(y[i + 1] - y[i])
        if d_in != 0:
            b = f32((x[i - 1] - x[i]) / d_in)
        if d_out != 0:
            e = f32((x[i] - x[i + 1]) / d_out)
        if d_in != 0 and d_out != 0 and b == e:
            return {'status': 'parallel'}
        if d_in != 0:
            b0 = f32(-b * bc[i][0] + bc[i][1])
        if d_out != 0:
            e0 = f32(-e * ec[i][0] + ec[i][1])
        if d_in != 0 and d_out != 0:
            centre[i] = [f32((e0 - b0) / (b - e)), f32((e * b0 - b * e0) / (e - b))]
        elif d_out != 0:
            centre[i] = [bc[i][0], f32(bc[i][0] * e + e0)]
        elif d_in != 0:
            centre[i] = [ec[i][0], f32(ec[i][0] * b + b0)]

    slope = [0.0]
    for i in range(1, n + 2):
        dx, dy = f32(x[i] - x[i - 1]), y[i] - y[i - 1]
        slope.append(f32(dy / dx) if dx != 0 else f32(3.141592 / 2 if dy > 0 else -3.141592 / 2))
    curve_piece = [0.0] + [round_10mm(cl[i]) for i in range(1, n + 1)]
    straight_piece = [0.0] + [round_10mm(distance(ec[i - 1][0], ec[i - 1][1], bc[i][0], bc[i][1])) for i in range(1, n + 1)]
    last_straight = round_10mm(distance(ec[n][0], ec[n][1], x[n + 1], y[n + 1]))
    chainage, bc_chainage = [0.0], [0.0]
    for i in range(1, n + 1):
        chainage.append(f32(chainage[i - 1] + straight_piece[i] + curve_piece[i]))
        bc_chainage.append(f32(chainage[i - 1] + straight_piece[i]))
    chainage.append(f32(chainage[n] + last_straight))
    return {'status': 'computed', 'ipkyori': leg[1:], 'koukaku': angle[1:n + 1], 'setsusenchou': tl[1:n + 1],
            'kyokusenchou': cl[1:], 'bczahyou': bc[1:], 'eczahyou': ec, 'chuushin': centre[1:], 'katamuki': slope[1:],
            'kukanchou': [[straight_piece[i], curve_piece[i]] for i in range(1, n + 1)],
            'saishochokusen': straight_piece[1] if n >= 1 else last_straight,
            'iptsuikakyori': chainage, 'bcsokuten': bc_chainage[1:], 'ecsokuten': chainage[1:n + 1],
            'totals': [straights, curves, total]}


def to_station(millimetres):
    return f32(math.floor(millimetres / 10.0 + 0.5) / 100)


def station_list(case, computed):
    """Stations and ground heights of the rebuilt list."""
    rows = [[s, g] for s, g in case['surveyed']]
    n = len(case['alignment']['x']) - 2
    for i in range(1, n + 1):
        start, end = to_station(computed['bcsokuten'][i - 1]), to_station(computed['ecsokuten'][i - 1])
        rows += [[start, EMPTY], [f32(math.floor((start + end) * 0.5 * 10 + 0.5) / 10), EMPTY], [end, EMPTY]]
    total = computed['iptsuikakyori'][-1]
    interval = case['interval']
    if interval:
        rows += [[f32(k * interval), EMPTY] for k in range(1, int(math.floor(total * 0.001 / interval)) + 1)]
    rows += [[0.0, EMPTY], [to_station(total), EMPTY]]
    for a in range(len(rows) - 1):  # selection with exchange
        candidate = a
        for b in range(a + 1, len(rows)):
            if rows[b][0] < rows[candidate][0]:
                candidate = b
        rows[a], rows[candidate] = rows[candidate], rows[a]
    merged = [list(rows[0])]
    for row in rows[1:]:
        if abs(row[0] - merged[-1][0]) > f32(0.04):
            merged.append(list(row))
        elif merged[-1][1] == EMPTY:
            merged[-1][1] = row[1]
    return merged



def main():
    cases = json.load(open(sys.argv[1]))
    differences = []
    for index, case in enumerate(cases):
        polygon = case['alignment']
        ours = alignment(polygon['x'], polygon['y'], polygon['r'])
        if ours['status'] == 'computed':
            ours['stations'] = station_list(case, ours)
        for key, value in ours.items():
            found = first_difference(value, case['program'].get(key), key)
            if found:
                differences.append('case %d %s' % (index, found))
    print('\n'.join(differences[:20]) if differences else 'ok %d' % len(cases))


main()
