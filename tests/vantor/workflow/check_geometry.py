"""Checks the geometry of the drawing against the road worked out here with textbook relations:
the plan's curve arcs, its road edges, one shoulder offset line and the 3D model's edge heights.
Prints one line per check, "ok" or what was found instead.

Usage: check_geometry.py drawing.dxf road.json

road.json holds the alignment points [[x, y], ...] in mm and radii [m] per point, the edge
widths, the shoulder line (width, colour), the profile's change points and datum, the cross
slopes at the first and last station, the scale, and the stations and intervals to check.
Chainages follow the system's rule: every straight and curve length is rounded half up to
10 mm before it is added.
"""
import json
import math
import sys

import ezdxf

TOL = 5.0      # mm in plan
TOL_Z = 2.0    # mm in height


def unit(dx, dy):
    d = math.hypot(dx, dy)
    return dx / d, dy / d


def left_of(u):
    return -u[1], u[0]


def round10(length):
    return math.floor(length * 0.1 + 0.5) * 10


class Road:
    def __init__(self, points, radii):
        self.p = points
        self.curves = []   # per IP: BC, EC, centre, radius, left, incoming unit, start chainages
        n = len(points) - 2
        ec_prev = points[0]
        chainage = 0.0
        self.elements = []
        for j in range(1, n + 1):
            u_in = unit(points[j][0] - points[j - 1][0], points[j][1] - points[j - 1][1])
            u_out = unit(points[j + 1][0] - points[j][0], points[j + 1][1] - points[j][1])
            cross = u_in[0] * u_out[1] - u_in[1] * u_out[0]
            delta = math.atan2(cross, u_in[0] * u_out[0] + u_in[1] * u_out[1])
            r = radii[j] * 1000
            t = r * math.tan(abs(delta) / 2)
            bc = (points[j][0] - t * u_in[0], points[j][1] - t * u_in[1])
            ec = (points[j][0] + t * u_out[0], points[j][1] + t * u_out[1])
            left = delta > 0
            n_in = left_of(u_in) if left else (-left_of(u_in)[0], -left_of(u_in)[1])
            centre = (bc[0] + r * n_in[0], bc[1] + r * n_in[1])
            straight = round10(math.hypot(bc[0] - ec_prev[0], bc[1] - ec_prev[1]))
            arc = round10(r * abs(delta))
            self.elements.append(("line", chainage, straight, ec_prev, u_in))
            self.curves.append(dict(bc=bc, ec=ec, centre=centre, r=r, left=left, start=chainage + straight, length=arc))
            self.elements.append(("arc", chainage + straight, arc, bc, u_in, centre, r, left))
            chainage += straight + arc
            ec_prev = ec
        u_last = unit(points[-1][0] - points[-2][0], points[-1][1] - points[-2][1])
        self.end = chainage + round10(math.hypot(points[-1][0] - ec_prev[0], points[-1][1] - ec_prev[1]))
        self.elements.append(("line", chainage, math.inf, ec_prev, u_last))

    def at(self, s):
        """Point and unit tangent at chainage s [mm]."""
        for e in self.elements:
            if e[1] <= s < e[1] + e[2]:
                l = s - e[1]
                if e[0] == "line":
                    return (e[3][0] + l * e[4][0], e[3][1] + l * e[4][1]), e[4]
                _, _, _, bc, u_in, centre, r, left = e
                turn = l / r if left else -l / r
                v = (bc[0] - centre[0], bc[1] - centre[1])
                c, s_ = math.cos(turn), math.sin(turn)
                point = (centre[0] + c * v[0] - s_ * v[1], centre[1] + s_ * v[0] + c * v[1])
                tangent = (u_in[0] * c - u_in[1] * s_, u_in[0] * s_ + u_in[1] * c)
                return point, tangent
        raise ValueError(s)

    def offset(self, s, width):
        """The point `width` [mm] left of chainage s (negative: right)."""
        p, u = self.at(s)
        n = left_of(u)
        return p[0] + width * n[0], p[1] + width * n[1]


def near(a, b, tol=TOL):
    return all(abs(x - y) <= tol for x, y in zip(a, b))


def arc_ends(arc):
    c, r = arc.dxf.center, arc.dxf.radius
    a0, a1 = math.radians(arc.dxf.start_angle), math.radians(arc.dxf.end_angle)
    return (c.x + r * math.cos(a0), c.y + r * math.sin(a0)), (c.x + r * math.cos(a1), c.y + r * math.sin(a1))


def ends(entity):
    if entity.dxftype() == "ARC":
        return arc_ends(entity)
    s, e = entity.dxf.start, entity.dxf.end
    return (s.x, s.y, s.z), (e.x, e.y, e.z)


def check_arc(name, arcs, centre, radius, start, end):
    found = [a for a in arcs if near((a.dxf.center.x, a.dxf.center.y), centre) and abs(a.dxf.radius - radius) <= TOL]
    if not found:
        return f"{name}: no arc about {centre[0]:.0f},{centre[1]:.0f} with radius {radius:.0f}"
    for a in found:
        a_start, a_end = arc_ends(a)
        if near(a_start, start) and near(a_end, end):
            return f"{name}: ok"
    a_start, a_end = arc_ends(found[0])
    return (f"{name}: runs from {a_start[0]:.0f},{a_start[1]:.0f} to {a_end[0]:.0f},{a_end[1]:.0f}, "
            f"not from {start[0]:.0f},{start[1]:.0f} to {end[0]:.0f},{end[1]:.0f}")


def check_point(name, entities, point):
    for e in entities:
        if any(near(end[:len(point)], point) for end in ends(e)):
            return f"{name}: ok"
    return f"{name}: no end at {point[0]:.0f},{point[1]:.0f}"


def check_point_3d(name, lines, point, z):
    heights = [end[2] for l in lines for end in ends(l) if near(end[:2], point)]
    if any(abs(h - z) <= TOL_Z for h in heights):
        return f"{name}: ok"
    return f"{name}: heights {sorted(set(round(h) for h in heights))} at {point[0]:.0f},{point[1]:.0f}, not {z:.0f}"


def planned_height(changes, s_m):
    """Height on the tangent polygon [m]; the stations checked lie outside the vertical curves."""
    for (s0, h0), (s1, h1) in zip(changes, changes[1:]):
        if s0 <= s_m <= s1:
            return h0 + (h1 - h0) * (s_m - s0) / (s1 - s0)
    raise ValueError(s_m)


def main():
    msp = ezdxf.readfile(sys.argv[1]).modelspace()
    with open(sys.argv[2], encoding="utf-8") as f:
        cfg = json.load(f)
    road = Road(cfg["points"], cfg["radii"])
    w_left, w_right = cfg["left"] * 1000, cfg["right"] * 1000
    shoulder_w, shoulder_colour = cfg["shoulder"][0] * 1000, cfg["shoulder"][1]
    plan = [e for e in msp if e.dxf.color == 256 and e.dxftype() in ("LINE", "ARC")]
    plan_arcs = [e for e in plan if e.dxftype() == "ARC"]
    shoulder = [e for e in msp if e.dxf.color == shoulder_colour and e.dxftype() in ("LINE", "ARC")]
    shoulder_arcs = [e for e in shoulder if e.dxftype() == "ARC"]
    model = [e for e in msp.query("LINE") if e.dxf.start.z != 0 or e.dxf.end.z != 0]
    out = []

    for j, c in enumerate(road.curves, 1):
        start, end = (c["bc"], c["ec"]) if c["left"] else (c["ec"], c["bc"])
        out.append(check_arc(f"plan curve {j}", plan_arcs, c["centre"], c["r"], start, end))

    for s_m in cfg["stations"]:
        s = s_m * 1000
        out.append(check_point(f"plan edge left {s_m}", plan, road.offset(s, w_left)))
        out.append(check_point(f"plan edge right {s_m}", plan, road.offset(s, -w_right)))
        out.append(check_point(f"shoulder {s_m}", shoulder, road.offset(s, shoulder_w)))

    # Arcs over an interval on a curve, counter-clockwise: from the earlier station on a left curve.
    for a_m, b_m in cfg["intervals"]:
        a, b = a_m * 1000, b_m * 1000
        c = next(c for c in road.curves if c["start"] <= a and b <= c["start"] + c["length"])
        for side, width, entities in (("plan edge left", w_left, plan_arcs), ("plan edge right", -w_right, plan_arcs),
                                      ("shoulder", shoulder_w, shoulder_arcs)):
            radius = c["r"] - width if c["left"] else c["r"] + width
            first, second = road.offset(a, width), road.offset(b, width)
            start, end = (first, second) if c["left"] else (second, first)
            out.append(check_arc(f"{side} arc {a_m}-{b_m}", entities, c["centre"], radius, start, end))

    # 3D edges: drawn heights fall from the centre by the cross slope times the scale / 100.
    first_station, last_station = 0.0, road.end / 1000
    scale, datum = cfg["scale"], cfg["datum"]
    for s_m in cfg["stations"]:
        s = s_m * 1000
        zc = (planned_height(cfg["changes"], s_m) - datum) * 1000
        for side, width, slopes in (("left", w_left, cfg["slopes_left"]), ("right", -w_right, cfg["slopes_right"])):
            g = slopes[0] + (slopes[1] - slopes[0]) * (s_m - first_station) / (last_station - first_station)
            z = zc - scale / 100 * g / 100 * abs(width)
            out.append(check_point_3d(f"3d edge {side} {s_m}", model, road.offset(s, width), z))

    print("\n".join(out))


main()
