"""An independent single-precision profile computation, checked against the program's results.

Reads the JSON cases written by the differential test (each: the decimals, rows of station,
ground, reference height and curve length, and what the program computed) and prints "ok N"
when every case agrees bit for bit, else one line per difference.
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



def tangent_point(s, xb, yb):
    """Height on the tangent polygon and the index m of the tangent giving the gradient."""
    h = len(xb) - 1  # change points 1 .. h
    if s < xb[1]:
        return (s - xb[1]) * (yb[2] - yb[1]) / (xb[2] - xb[1]) + yb[1], 1
    if s > xb[h]:
        return (s - xb[h]) * (yb[h] - yb[h - 1]) / (xb[h] - xb[h - 1]) + yb[h], h - 1
    p = next((p for p in range(1, h) if xb[p] <= s <= xb[p + 1]), h)
    return (s - xb[p]) * (yb[p + 1] - yb[p]) / (xb[p + 1] - xb[p]) + yb[p], p


def coefficients(curve):
    g1, g2, length, x, height, start = curve['g1'], curve['g2'], curve['lv'], curve['x'], curve['h'], curve['vcb']
    a = f32((g2 - g1) / (length + length))
    b = f32(g1 - (a + a) * start)
    c = f32((height - (g1 - g2) * length / 8) - x * x * a - x * b)
    return a, b, c


def curve_at(s, curves):
    """The last curve whose range holds s (touching curves: the later one)."""
    found = None
    for curve in curves:
        if curve['vcb'] <= s <= curve['vce']:
            found = curve
    return found


def compute(case):
    rows = case['rows']  # [station, ground, reference, lv]
    n = len(rows)
    out = [[EMPTY, EMPTY, EMPTY] for _ in range(n)]
    has_station = [r[0] != EMPTY for r in rows]
    points = [r for r in rows if r[0] != EMPTY and r[2] != EMPTY]
    if len(points) < 2:
        return {'outcome': 'none', 'planned': out}
    if any(r[3] != EMPTY and r[3] < 0 for r in points):
        return {'outcome': 'stopped', 'planned': out}
    xb, yb, curves = [None], [None], []
    for r in points:
        xb.append(r[0])
        yb.append(r[2])
        if r[3] != EMPTY and r[3] > 0:
            curves.append({'m': len(xb) - 1, 'x': r[0], 'h': r[2], 'lv': r[3],
                           'vcb': f32(r[0] - r[3] * 0.5), 'vce': f32(r[0] + r[3] * 0.5)})
            if len(curves) > 1 and curves[-2]['vce'] > curves[-1]['vcb']:
                return {'outcome': 'stopped', 'planned': out}
    for curve in curves:
        j = curve['m']
        if curve['vcb'] <= xb[j - 1] or curve['vce'] >= xb[j + 1]:
            return {'outcome': 'stopped', 'planned': out}
    h = len(xb) - 1
    koubai = [0.0] + [f32((yb[m + 1] - yb[m]) / (xb[m + 1] - xb[m])) for m in range(1, h)]
    for curve in curves:
        curve['g1'], curve['g2'] = koubai[curve['m'] - 1], koubai[curve['m']]
        curve['abc'] = coefficients(curve)

    for i, (s, ground, _, _) in enumerate(rows):
        if not has_station[i]:
            continue
        height, m = tangent_point(s, xb, yb)
        planned = f32(height)
        curve = curve_at(s, curves)
        if curve:
            a, b, c = curve['abc']
            planned = f32(s * s * a + s * b + c)
        difference = EMPTY if ground == EMPTY else f32(planned - ground)
        scale = 100.0 if case['ketasuu'] == 2 else 1000.0
        out[i] = [f32(math.floor(planned * scale + 0.5) / scale),
                  f32(math.floor(difference * scale + 0.5) / scale),
                  f32(math.floor(koubai[m] * 10000000 + 0.5) / 100000)]

    # The planned line every 1 m, the station counted in single precision.
    station_rows = [i for i in range(n) if has_station[i]]
    first, last = station_rows[0], station_rows[-1]
    xs, x = [rows[first][0]], rows[first][0]
    while True:
        x = f32(x + 1)
        if x >= rows[last][0]:
            break
        xs.append(x)
    xs.append(rows[last][0])
    ys = [out[first][0]] + [f32(tangent_point(x, xb, yb)[0]) for x in xs[1:-1]] + [out[last][0]]
    for k in range(1, len(xs)):
        curve = curve_at(xs[k], curves)
        if curve:
            a, b, c = curve['abc']
            ys[k] = f32(xs[k] * xs[k] * a + xs[k] * b + c)
    return {'outcome': 'computed', 'planned': out, 'curves': [list(c['abc']) for c in curves],
            'samples': [xs, ys]}



def main():
    cases = json.load(open(sys.argv[1]))
    differences = []
    for index, case in enumerate(cases):
        for key, value in compute(case).items():
            found = first_difference(value, case['program'].get(key), key)
            if found:
                differences.append('case %d %s' % (index, found))
    if differences:
        print('\n'.join(differences[:20]))
    else:
        print('ok %d' % len(cases))


main()
