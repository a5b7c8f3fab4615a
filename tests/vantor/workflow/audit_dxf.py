"""Audits a DXF file and prints what it holds: the audit's error and fix counts, the model space
entities per kind, the lines with a height and the entities per colour number and kind.
Usage: audit_dxf.py drawing.dxf
"""
import collections
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("errors", len(auditor.errors), "fixes", len(auditor.fixes))
msp = doc.modelspace()
kinds = collections.Counter(e.dxftype() for e in msp)
for kind in sorted(kinds):
    print(kind, kinds[kind])
print("3D LINE", sum(1 for l in msp.query("LINE") if l.dxf.start.z != 0 or l.dxf.end.z != 0))
colours = collections.Counter((e.dxf.color, e.dxftype()) for e in msp)
for colour, kind in sorted(colours):
    print("colour", colour, kind, colours[(colour, kind)])
