#!/usr/bin/env python3
"""Writes the form description of a big form: N transparent check boxes of
78 x 19 captioned "Box 1" ... "Box N", in rows of 20, over a full-form
background showing a vertical gradient or a tile picture. Every other box
is checked, so both the empty square and the glyph are drawn.

  make_big_form.py N gradient|tile [--tile FILE.bmp] > big.form

The form's client area holds every box (20 x 78 = 1560 pixels wide, 19
pixels a row). bench/bigform/qss_bigform builds the same boxes in plain Qt.
"""
import argparse
import os
import sys

BOX_WIDTH = 78
BOX_HEIGHT = 19
PER_ROW = 20
HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_TILE = os.path.join(HERE, "..", "..", "demo", "pictures", "wood_tile.bmp")


def picture_data(path):
    """A picture property's binary value: the file's length (4 bytes, least
    significant first) and the file itself, 32 bytes a line."""
    with open(path, "rb") as f:
        data = f.read()
    data = len(data).to_bytes(4, "little") + data
    text = data.hex().upper()
    return [text[i:i + 64] for i in range(0, len(text), 64)]


def form_text(count, background, tile):
    rows = max(1, (count + PER_ROW - 1) // PER_ROW)
    width, height = PER_ROW * BOX_WIDTH, rows * BOX_HEIGHT
    out = [
        "object BigForm: TForm",
        "  Left = 0",
        "  Top = 0",
        "  BorderStyle = bsSingle",
        "  Caption = '%d check boxes over a %s'" % (count, background),
        "  ClientHeight = %d" % height,
        "  ClientWidth = %d" % width,
        "  Color = clBtnFace",
        "  Font.Charset = DEFAULT_CHARSET",
        "  Font.Color = clWindowText",
        "  Font.Height = -11",
        "  Font.Name = 'MS Sans Serif'",
        "  Font.Style = []",
        "  object Back: TOrvoBackground",
        "    Left = 0",
        "    Top = 0",
        "    Width = %d" % width,
        "    Height = %d" % height,
        "    GradientStartColor = clNavy",
        "    GradientEndColor = clYellow",
        "    Style = gsVertical",
    ]
    if background == "tile":
        out.append("    TileImage.Data = {")
        out.extend("      " + line for line in picture_data(tile))
        out[-1] += "}"
    out.append("  end")
    for i in range(count):
        out += [
            "  object CheckBox%d: TOrvoCheckBox" % (i + 1),
            "    Left = %d" % (i % PER_ROW * BOX_WIDTH),
            "    Top = %d" % (i // PER_ROW * BOX_HEIGHT),
            "    Width = %d" % BOX_WIDTH,
            "    Height = %d" % BOX_HEIGHT,
            "    AutoSize = False",
            "    Caption = 'Box %d'" % (i + 1),
            "    Checked = %s" % ("True" if i % 2 == 0 else "False"),
            "    TabOrder = %d" % i,
            "    Transparent = True",
            "  end",
        ]
    out.append("end")
    return "\n".join(out) + "\n"


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("count", type=int)
    ap.add_argument("background", choices=("gradient", "tile"))
    ap.add_argument("--tile", default=DEFAULT_TILE, help="the tile picture (a BMP file)")
    a = ap.parse_args()
    if a.count < 0:
        ap.error("the count is negative")
    sys.stdout.write(form_text(a.count, a.background, a.tile))


if __name__ == "__main__":
    main()
