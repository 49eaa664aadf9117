"""Reads a DXF file with ezdxf and prints its entities one a line:
LINE layer colour x1 y1 x2 y2 / TEXT layer colour x y text / ARC layer colour cx cy r."""
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1], encoding="cp1250")
for e in doc.modelspace():
    t = e.dxftype()
    if t == "LINE":
        s, k = e.dxf.start, e.dxf.end
        print("LINE", e.dxf.layer, e.dxf.color, s.x, s.y, k.x, k.y)
    elif t == "TEXT":
        p = e.dxf.insert
        print("TEXT", e.dxf.layer, e.dxf.color, p.x, p.y, e.dxf.text)
    elif t == "ARC":
        c = e.dxf.center
        print("ARC", e.dxf.layer, e.dxf.color, c.x, c.y, e.dxf.radius)
    else:
        print(t, e.dxf.layer)
