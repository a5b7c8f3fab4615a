"""Earthwork areas of hand-worked cross-sections as polygon areas (shapely).

Argument: JSON list of sides, each {"ground": [[x, y], ...], "planned": [...],
"excavation": [...], "end": x}. Polylines run outward from the centre line; beyond its last
point a polyline keeps its last height. Per side, over 0 <= x <= end:
  cut    = ground above the excavation line
  above  = ground above the planned line
  fill   = planned line above the ground (the sections given keep the excavation line on the
           planned line wherever the ground lies below it)
Prints {"cut": C, "fill": B, "above": A} summed over the sides.
"""
import json
import sys

from shapely.geometry import Polygon, box

FAR = 1000.0


def region(points, end, below):
    """The part of the plane below (or above) the polyline, from x = 0 to x = end."""
    pts = [tuple(p) for p in points]
    if pts[-1][0] < end:
        pts.append((end + 1.0, pts[-1][1]))
    edge = -FAR if below else FAR
    shape = Polygon(pts + [(pts[-1][0], edge), (pts[0][0], edge)])
    return shape.buffer(0).intersection(box(0.0, -FAR, end, FAR))


def main():
    total = {"cut": 0.0, "fill": 0.0, "above": 0.0}
    for side in json.loads(sys.argv[1]):
        end = side["end"]
        under_ground = region(side["ground"], end, below=True)
        over_ground = region(side["ground"], end, below=False)
        total["cut"] += under_ground.intersection(region(side["excavation"], end, below=False)).area
        total["above"] += under_ground.intersection(region(side["planned"], end, below=False)).area
        total["fill"] += over_ground.intersection(region(side["planned"], end, below=True)).area
    print(json.dumps(total))


main()
