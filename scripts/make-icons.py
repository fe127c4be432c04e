#!/usr/bin/env python3
"""Draws the tool-button pictures of Cuefold into resources/icons and lists
them in resources/resources.qrc.

Every picture is named after the icon-theme name its command asks for, so a
desktop theme that has the name wins and these pictures stand in otherwise.
All are drawn on a 24x24 grid with one stroke width, round joins and the
colour of their menu, so they read the same at 16 and 24 pixels.

Run from anywhere: python3 scripts/make-icons.py
"""

import math
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "resources" / "icons"
QRC = ROOT / "resources" / "resources.qrc"

FILE, EDIT, TITLE, COMMON, PLAYER, SEARCH = "#2465a8", "#2f7d32", "#6d3fa8", "#b35900", "#0f7480", "#45607a"
RED, GOLD, PAPER, DARK = "#c62828", "#e0a000", "#ffffff", "#3a3a3a"
WIDTH = 1.8


def tint(colour):
    """A pale fill of the given colour (mixed 80% with white)."""
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    mix = lambda c: round(c + (255 - c) * 0.8)
    return "#%02x%02x%02x" % (mix(r), mix(g), mix(b))


def stroke(d, colour, width=WIDTH, fill="none", extra=""):
    return (f'<path d="{d}" fill="{fill}" stroke="{colour}" stroke-width="{width}" '
            f'stroke-linecap="round" stroke-linejoin="round"{extra}/>')


def solid(d, colour):
    return f'<path d="{d}" fill="{colour}"/>'


def rect(x, y, w, h, colour, fill="none", rx=1.5, width=WIDTH, extra=""):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" fill="{fill}" '
            f'stroke="{colour}" stroke-width="{width}"{extra}/>')


def box(x, y, w, h, colour, rx=0.8):
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" fill="{colour}"/>'


def circle(cx, cy, r, colour, fill="none", width=WIDTH):
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}" stroke="{colour}" stroke-width="{width}"/>'


def dot(cx, cy, r, colour):
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{colour}"/>'


def line(x1, y1, x2, y2, colour, width=WIDTH):
    return stroke(f"M{x1} {y1}L{x2} {y2}", colour, width)


def head(x, y, angle, colour, size=3.6):
    """A filled arrow head with its tip at (x, y) pointing along angle (degrees)."""
    a = math.radians(angle)
    back = lambda side: (x - size * math.cos(a) + side * size * 0.75 * math.sin(a),
                         y - size * math.sin(a) - side * size * 0.75 * math.cos(a))
    (x1, y1), (x2, y2) = back(1), back(-1)
    return solid(f"M{x:.2f} {y:.2f}L{x1:.2f} {y1:.2f}L{x2:.2f} {y2:.2f}Z", colour)


def arrow(x1, y1, x2, y2, colour, size=3.6):
    """A straight arrow from (x1, y1) to the tip (x2, y2)."""
    angle = math.degrees(math.atan2(y2 - y1, x2 - x1))
    a = math.radians(angle)
    sx, sy = x2 - size * 0.8 * math.cos(a), y2 - size * 0.8 * math.sin(a)
    return line(x1, y1, round(sx, 2), round(sy, 2), colour) + head(x2, y2, angle, colour, size)


def page(x, y, w, h, colour, fold=5):
    d = f"M{x} {y}H{x + w - fold}L{x + w} {y + fold}V{y + h}H{x}Z"
    corner = f"M{x + w - fold} {y}V{y + fold}H{x + w}"
    return stroke(d, colour, fill=PAPER) + stroke(corner, colour)


def text_lines(x, y, widths, colour, gap=3.5, width=WIDTH):
    return "".join(line(x, y + i * gap, x + w, y + i * gap, colour, width) for i, w in enumerate(widths))


def cross(cx, cy, r, colour=RED, width=2.2):
    return line(cx - r, cy - r, cx + r, cy + r, colour, width) + line(cx - r, cy + r, cx + r, cy - r, colour, width)


def plus(cx, cy, r, colour, width=2.2):
    return line(cx - r, cy, cx + r, cy, colour, width) + line(cx, cy - r, cx, cy + r, colour, width)


def check(x, y, colour, scale=1.0, width=2.4):
    s = scale
    return stroke(f"M{x} {y}l{3 * s} {3 * s}l{6 * s} {-7 * s}", colour, width)


def triangle(x, y, w, h, colour, left=False):
    """A play triangle in the box (x, y, w, h), pointing right unless left."""
    if left:
        return solid(f"M{x + w} {y}V{y + h}L{x} {y + h / 2}Z", colour)
    return solid(f"M{x} {y}V{y + h}L{x + w} {y + h / 2}Z", colour)


def film(x, y, w, h, colour):
    """A film frame: a filled strip with perforations above and below a pale picture."""
    holes = "".join(box(x + 1.2 + i * (w - 3.4) / 3, y + 0.8, 1.4, 1.4, PAPER, 0.3)
                    + box(x + 1.2 + i * (w - 3.4) / 3, y + h - 2.2, 1.4, 1.4, PAPER, 0.3) for i in range(4))
    return box(x, y, w, h, colour, 1) + holes + box(x + 1.5, y + 3, w - 3, h - 6, tint(colour), 0.5)


def bar(x, y, w, colour, h=4):
    """A subtitle on the time axis: a filled span."""
    return box(x, y, w, h, colour, 1)


def floppy(x, y, s, colour):
    k = s / 18
    d = f"M{x} {y}H{x + 14 * k}L{x + 18 * k} {y + 4 * k}V{y + 18 * k}H{x}Z"
    return (stroke(d, colour, fill=colour)
            + box(x + 3.5 * k, y + 1 * k, 9 * k, 5.5 * k, PAPER, 0.5)
            + box(x + 9.5 * k, y + 2 * k, 2 * k, 3.5 * k, colour, 0.3)
            + box(x + 3 * k, y + 10 * k, 12 * k, 7 * k, tint(colour), 0.5))


def lock(colour, closed):
    shackle = "M8 11V7.5a4 4 0 0 1 8 0V11" if closed else "M8 11V6.5a4 4 0 0 1 8 0"
    return (stroke(shackle, colour, 2.2) + rect(5, 11, 14, 10, colour, colour, 1.5)
            + dot(12, 15.3, 1.5, PAPER) + box(11.3, 15.5, 1.4, 3.2, PAPER, 0.4))


def gear(cx, cy, colour):
    points = []
    for i in range(16):
        r = 9.5 if i % 2 == 0 else 7
        for j in (-1, 1):
            a = math.radians(i * 22.5 + j * 6)
            points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    d = "M" + "L".join(f"{px:.2f} {py:.2f}" for px, py in points) + "Z"
    return stroke(d, colour, 1.2, fill=colour) + dot(cx, cy, 3, PAPER)


def chain(colour, broken):
    if broken:
        return (rect(2, 8.5, 9, 7, colour, rx=3.5, width=2.2) + rect(13, 8.5, 9, 7, colour, rx=3.5, width=2.2)
                + line(9, 4, 15, 20, RED, 2.2))
    return (rect(2, 8.5, 11, 7, colour, rx=3.5, width=2.2) + rect(11, 8.5, 11, 7, colour, rx=3.5, width=2.2))


def table_rows(colour, new_row):
    """Three table rows; new_row (0 top, 2 bottom) is the inserted one."""
    out = ""
    for i in range(3):
        y = 3 + i * 6.5
        if i == new_row:
            out += rect(3, y, 18, 5, GOLD, tint(GOLD), 1) + plus(12, y + 2.5, 1.8, DARK, 1.8)
        else:
            out += rect(3, y, 18, 5, colour, PAPER, 1) + line(9, y + 0.5, 9, y + 4.5, colour, 1.2)
    return out


def break_marks(colour, bars, moving, left):
    """A text line cut by line breaks (bars at the given x), an arrow under the moving one."""
    out = line(2.5, 10, 21.5, 10, colour)
    for x in bars:
        out += box(x - 1.2, 4, 2.4, 12, GOLD if x == moving else colour, 0.6)
    x = moving
    return out + (arrow(x + 5, 20, x - 6, 20, colour, 3.4) if left else arrow(x - 5, 20, x + 6, 20, colour, 3.4))


def split(colour, lines_each):
    top = rect(6, 2, 12, 7, colour, PAPER, 1) + text_lines(8.5, 4.3, [7, 7], colour, 2.4, 1.3)
    fork = stroke("M12 9V11.5M12 11.5L6.5 14M12 11.5L17.5 14", colour, 1.6)
    out = top + fork
    for x in (2, 13):
        out += rect(x, 15, 9, 7, colour, tint(colour), 1)
        out += text_lines(x + 2, 17.3 if lines_each == 2 else 18.5, [5] * lines_each, colour, 2.4, 1.3)
    return out


def join(colour):
    out = ""
    for x in (2, 13):
        out += rect(x, 2, 9, 6, colour, PAPER, 1) + line(x + 2, 5, x + 7, 5, colour, 1.3)
    out += stroke("M6.5 8V10.5L12 13M17.5 8V10.5L12 13V14", colour, 1.6)
    return out + rect(4, 15, 16, 7, colour, tint(colour), 1) + text_lines(6.5, 17.3, [11, 11], colour, 2.4, 1.3)


def playhead(x):
    """The player's position: a marker over a line down the time axis."""
    return solid(f"M{x - 3} 2H{x + 3}L{x} 7Z", RED) + line(x, 7, x, 21, RED, 1.4)


ICONS = {
    # File menu
    "document-new": page(4, 2, 14, 19, FILE) + text_lines(7, 9, [7, 6, 7], tint(FILE), 3, 1.6)
    + dot(18, 18, 5, GOLD) + plus(18, 18, 2.6, PAPER, 2),
    "document-open": stroke("M2 6V19H18L21 9H6L3 19", FILE, fill=tint(FILE))
    + stroke("M2 6V4.5H8L10 6.5H17V9", FILE) + stroke("M6 9H21L18 19H3Z", FILE, fill=FILE),
    "document-save": floppy(3, 3, 18, FILE),
    "document-save-as": floppy(2, 2, 15, FILE) + stroke("M12 21L13 17.5L20 10.5L22.5 13L15.5 20Z", DARK, 1.4, GOLD),
    "document-export": page(2, 2, 13, 19, FILE) + text_lines(5, 8, [6, 5, 6], tint(FILE), 3, 1.6)
    + arrow(10, 15, 22, 15, GOLD, 4.4),
    "document-properties": page(4, 2, 16, 20, FILE) + dot(12, 8, 1.6, FILE)
    + line(12, 12, 12, 18, FILE, 2.6),
    "application-exit": stroke("M13 4H4V20H13", FILE, 2) + box(4, 4, 7, 16, tint(FILE), 0)
    + arrow(9, 12, 22, 12, RED, 4.4),
    "preferences-system": gear(12, 12, FILE),
    # Edit menu
    "edit-undo": stroke("M19 19A7 7 0 0 0 12 8H7", EDIT, 2.4) + head(3, 8, 180, EDIT, 5),
    "edit-cut": circle(7, 18, 3, EDIT, width=2) + circle(17, 18, 3, EDIT, width=2)
    + line(9, 15.5, 17, 3, DARK, 2) + line(15, 15.5, 7, 3, DARK, 2),
    "edit-copy": rect(3, 2, 12, 15, EDIT, tint(EDIT), 1) + rect(9, 7, 12, 15, EDIT, PAPER, 1)
    + text_lines(11.5, 11, [7, 7, 5], EDIT, 3, 1.4),
    "edit-paste": rect(4, 4, 16, 18, EDIT, tint(EDIT), 1.5) + box(8, 2, 8, 4.5, DARK, 1)
    + box(8, 9, 10, 11, PAPER, 0.5) + text_lines(10, 12, [6, 6, 4], EDIT, 3, 1.4),
    "document-revert": text_lines(2, 5, [12, 9], tint(EDIT), 4, 1.8)
    + stroke("M20 16A6 6 0 1 1 14 10H15", EDIT, 2.2) + head(19, 10, 0, EDIT, 4.2),
    "edit-select-all": rect(3, 3, 18, 18, EDIT, rx=1, width=1.6, extra=' stroke-dasharray="2.5 2"')
    + box(6, 6.5, 12, 3, EDIT, 0.5) + box(6, 10.8, 12, 3, EDIT, 0.5) + box(6, 15, 8, 3, EDIT, 0.5),
    # Subtitle menu: the text of one subtitle and its line breaks
    "cuefold-break-left": break_marks(TITLE, [13], 13, True),
    "cuefold-break-right": break_marks(TITLE, [11], 11, False),
    "cuefold-second-break-left": break_marks(TITLE, [7, 15], 15, True),
    "cuefold-second-break-right": break_marks(TITLE, [7, 15], 15, False),
    "cuefold-break-remove": line(2.5, 12, 21.5, 12, TITLE) + box(10.8, 6, 2.4, 12, TITLE, 0.6) + cross(12, 12, 5),
    "cuefold-dialogue-dash": line(3, 7, 7, 7, TITLE, 3) + line(10, 7, 21, 7, TITLE, 1.6)
    + line(3, 16, 7, 16, TITLE, 3) + line(10, 16, 18, 16, TITLE, 1.6),
    "cuefold-dialogue-dash-remove": line(10, 7, 21, 7, TITLE, 1.6) + line(10, 16, 18, 16, TITLE, 1.6)
    + cross(5, 7, 2.2, RED, 2) + cross(5, 16, 2.2, RED, 2),
    "edit-table-insert-row-above": table_rows(TITLE, 0),
    "edit-table-insert-row-below": table_rows(TITLE, 2),
    "cuefold-split-two": split(TITLE, 2),
    "cuefold-split-one": split(TITLE, 1),
    "cuefold-join-lines": join(TITLE),
    "edit-table-delete-row": rect(3, 3, 18, 5, TITLE, PAPER, 1) + rect(3, 9.5, 18, 5, RED, tint(RED), 1)
    + rect(3, 16, 18, 5, TITLE, PAPER, 1) + cross(12, 12, 4, RED, 2.4),
    # Bulk-operations menu: subtitles as spans on the time axis
    "cuefold-shift": bar(2, 15, 8, COMMON) + bar(12, 15, 10, COMMON) + arrow(3, 8, 21, 8, DARK, 4),
    "cuefold-shift-to": line(18, 2, 18, 22, RED, 1.6) + bar(18, 15, 5, COMMON) + bar(3, 15, 6, tint(COMMON))
    + arrow(3, 8, 17, 8, DARK, 4),
    "cuefold-enlarge": bar(2, 10, 11, COMMON, 5) + rect(13, 10, 8, 5, COMMON, rx=1, width=1.2,
                                                      extra=' stroke-dasharray="1.6 1.2"')
    + arrow(8, 19.5, 21, 19.5, DARK, 3.4) + line(2, 4, 2, 21, DARK, 1.2),
    "cuefold-gap-close": bar(1, 10, 6, COMMON, 5) + bar(17, 10, 6, COMMON, 5) + arrow(7.5, 5, 11.5, 5, DARK, 3)
    + arrow(16.5, 5, 12.5, 5, DARK, 3) + line(12, 16, 12, 22, RED, 1.4),
    "cuefold-gap-insert": bar(1, 10, 9, COMMON, 5) + bar(14, 10, 9, COMMON, 5) + arrow(11, 5, 5, 5, DARK, 3)
    + arrow(13, 5, 19, 5, DARK, 3),
    "cuefold-overlap-repair": bar(2, 6, 13, COMMON, 5) + bar(9, 13, 13, COMMON, 5) + box(9, 6, 6, 12, RED, 0.5)
    + arrow(12, 21.5, 21, 21.5, DARK, 3),
    "cuefold-accept-repair": bar(2, 17, 9, COMMON, 4) + bar(13, 17, 9, COMMON, 4) + check(4, 7, EDIT, 1.2, 2.8),
    "object-locked": lock(COMMON, True),
    "object-unlocked": lock(COMMON, False),
    "cuefold-unmark-all": line(5, 3, 5, 22, DARK, 2) + solid("M6 3.5H18L15 7.5L18 11.5H6Z", GOLD)
    + cross(17, 17.5, 3.5, RED, 2.4),
    "cuefold-width-analysis": text_lines(2.5, 5, [13, 19, 9, 16], COMMON, 4.5, 2)
    + line(17, 2, 17, 22, RED, 1.4),
    "cuefold-frame-rate": circle(12, 13.5, 8, COMMON, tint(COMMON), 2) + box(10, 2, 4, 2.5, COMMON, 0.6)
    + stroke("M12 8.5V13.5L15.5 16", DARK, 2),
    "cuefold-recalculate": stroke("M3 19L21 5", COMMON, 2) + line(3, 19, 21, 19, tint(COMMON), 1.6)
    + circle(5, 17.5, 2.6, DARK, PAPER, 1.6) + circle(19, 6.5, 2.6, DARK, PAPER, 1.6),
    "cuefold-reading-speed": stroke("M3 18A9 9 0 0 1 21 18", COMMON, 2.4) + line(12, 18, 17, 10.5, RED, 2.2)
    + dot(12, 18, 2, DARK) + line(5.6, 11.6, 7, 12.8, COMMON, 1.4) + line(12, 9, 12, 10.8, COMMON, 1.4)
    + line(18.4, 11.6, 17, 12.8, COMMON, 1.4),
    "cuefold-speed-test": film(2, 2, 20, 14, COMMON) + triangle(10, 6.5, 5, 5, RED) + bar(5, 18.5, 14, COMMON, 3),
    # Player menu
    "video-display": rect(2, 3, 20, 14, PLAYER, tint(PLAYER), 1.5) + line(12, 17, 12, 20, PLAYER, 2)
    + line(7, 21, 17, 21, PLAYER, 2) + triangle(10, 7, 5, 6, PLAYER),
    "cuefold-sync": chain(PLAYER, False),
    "cuefold-sync-off": chain(PLAYER, True),
    "media-playback-start": triangle(6, 4, 13, 16, PLAYER),
    "media-playback-pause": box(6, 4, 4.5, 16, PLAYER, 1) + box(13.5, 4, 4.5, 16, PLAYER, 1),
    "media-playback-stop": box(5, 5, 14, 14, PLAYER, 1.5),
    "media-seek-backward": triangle(2, 6, 10, 12, PLAYER, True) + triangle(11, 6, 10, 12, PLAYER, True),
    "media-seek-forward": triangle(3, 6, 10, 12, PLAYER) + triangle(12, 6, 10, 12, PLAYER),
    "cuefold-frame-back": film(10, 4, 12, 16, PLAYER) + triangle(2, 8, 6, 8, DARK, True),
    "cuefold-frame-forward": film(2, 4, 12, 16, PLAYER) + triangle(16, 8, 6, 8, DARK),
    "cuefold-locate-subtitle": text_lines(2, 4, [18, 12, 15], PLAYER, 4, 1.8)
    + circle(15, 15, 4.5, DARK, tint(GOLD), 2) + line(18.2, 18.2, 22, 22, DARK, 2.6),
    "cuefold-seek-first": bar(6, 12, 14, PLAYER, 5) + playhead(6),
    "cuefold-seek-last": bar(4, 12, 14, PLAYER, 5) + playhead(18),
    "cuefold-copy-frame": rect(2, 2, 12, 15, PLAYER, rx=1, width=1.4, extra=' stroke-dasharray="2 1.5"')
    + film(8, 7, 14, 15, PLAYER),
    "cuefold-capture-frame": film(2, 3, 20, 18, PLAYER) + circle(12, 12, 4, RED, width=1.8)
    + line(12, 5.5, 12, 18.5, RED, 1.4) + line(5.5, 12, 18.5, 12, RED, 1.4),
    # Search menu
    "view-form-table": rect(2.5, 3.5, 19, 17, SEARCH, PAPER, 1) + box(2.5, 3.5, 19, 4.5, SEARCH, 1)
    + line(2.5, 12.5, 21.5, 12.5, SEARCH, 1.2) + line(2.5, 16.5, 21.5, 16.5, SEARCH, 1.2)
    + line(9, 8, 9, 20.5, SEARCH, 1.2) + line(15, 8, 15, 20.5, SEARCH, 1.2),
}


def svg(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">'
            + body + "</svg>\n")


def list_in_qrc(names):
    text = QRC.read_text()
    text = re.sub(r"[ \t]*<file>icons/[^<]*</file>\n", "", text)
    entries = "".join(f"    <file>icons/{n}.svg</file>\n" for n in sorted(names))
    QRC.write_text(text.replace("  </qresource>", entries + "  </qresource>", 1))


def main():
    OUT.mkdir(exist_ok=True)
    for old in OUT.glob("*.svg"):
        if old.stem not in ICONS:
            old.unlink()
    for name, body in ICONS.items():
        (OUT / f"{name}.svg").write_text(svg(body))
    list_in_qrc(ICONS)


if __name__ == "__main__":
    main()
