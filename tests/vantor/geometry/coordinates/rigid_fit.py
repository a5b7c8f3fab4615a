"""The least-squares turn and shift from drawing to site points (Kabsch, by SVD), and the
site coordinates it gives to further drawing points.

Usage: rigid_fit.py n x1 y1 X1 Y1 ... xn yn Xn Yn [X Y ...]
Prints the angle in degrees (counter-clockwise from the drawing to the site), then one line
"x y" per further point."""
import sys

import numpy as np

values = [float(v) for v in sys.argv[1:]]
n = int(values[0])
refs = np.array(values[1:1 + 4 * n]).reshape(n, 4)
site, drawing = refs[:, 0:2], refs[:, 2:4]
site_c, drawing_c = site.mean(axis=0), drawing.mean(axis=0)
h = (drawing - drawing_c).T @ (site - site_c)
u, _, vt = np.linalg.svd(h)
d = np.sign(np.linalg.det(vt.T @ u.T))
rotation = vt.T @ np.diag([1.0, d]) @ u.T
print(repr(float(np.degrees(np.arctan2(rotation[1, 0], rotation[0, 0])))))
for X, Y in np.array(values[1 + 4 * n:]).reshape(-1, 2):
    x, y = rotation @ (np.array([X, Y]) - drawing_c) + site_c
    print(repr(float(x)), repr(float(y)))
