#!/usr/bin/env python3
"""Writes the skin pictures of both programs as SVG sources into resources/skin/.

Run it after changing a picture here; the build renders the SVG files (rsvg-convert) and packs them.
Sizes are those of the controls that show the pictures. One theme: the window's deep purple #290548,
the accent #622E92, light lavender surfaces and white line icons.
"""

import pathlib

from icons import icon

OUT = pathlib.Path(__file__).resolve().parents[2] / "resources" / "skin"

DEEP = "#290548"
DEEP2 = "#3A0F5E"
HOVER = "#4B1C78"
MID = "#622E92"
VIOLET = "#8A4FC4"
LAVENDER = "#B9A3D6"
PALE = "#F1EBF8"
GREY = "#E6E6E6"
FONT = "Liberation Sans, Arial, sans-serif"

CATEGORY_COLOURS = {  # (top, bottom) of each category's tile and bar
    "document": ("#9A63D8", "#6A32A8"),
    "picture": ("#D66AB4", "#A23D82"),
    "audio": ("#6E8FE6", "#3F5FC0"),
    "video": ("#E77D90", "#B84A62"),
    "mail": ("#4FBAC8", "#23879A"),
    "other": ("#A5A0B4", "#77718A"),
}

pictures = {}


def svg(name, w, h, body, defs=""):
    pictures[name] = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">'
                      f"<defs>{defs}</defs>{body}</svg>\n")


def gradient(gid, top, bottom, horizontal=False, extra=""):
    x2, y2 = ("1", "0") if horizontal else ("0", "1")
    return (f'<linearGradient id="{gid}" x1="0" y1="0" x2="{x2}" y2="{y2}">'
            f'<stop offset="0" stop-color="{top}"/>{extra}<stop offset="1" stop-color="{bottom}"/></linearGradient>')


def mirrored(w, body):
    return f'<g transform="translate({w} 0) scale(-1 1)">{body}</g>'


def text(x, y, size, content, colour="#FFFFFF", weight="bold", anchor="start", spacing=0):
    return (f'<text x="{x}" y="{y}" font-family="{FONT}" font-size="{size}" font-weight="{weight}" '
            f'fill="{colour}" text-anchor="{anchor}" letter-spacing="{spacing}">{content}</text>')


# ---------------------------------------------------------------- shared shapes

def tile(w, h, size, name, top=VIOLET, bottom=MID, shadow=True, radius=None):
    """A rounded gradient tile with a white line icon, centred in a w x h picture."""
    x = (w - size) / 2
    y = (h - size) / 2 - (1 if shadow else 0)
    r = radius if radius is not None else size * 0.24
    defs = gradient("t", top, bottom) + gradient("gloss", "#FFFFFF", "#FFFFFF")
    body = ""
    if shadow:
        body += f'<ellipse cx="{w / 2}" cy="{y + size + 0.6}" rx="{size * 0.42}" ry="1.4" fill="{DEEP}" opacity="0.18"/>'
    body += f'<rect x="{x}" y="{y}" width="{size}" height="{size}" rx="{r}" fill="url(#t)"/>'
    body += (f'<rect x="{x + 0.5}" y="{y + 0.5}" width="{size - 1}" height="{size / 2}" rx="{r - 0.5}" '
             f'fill="#FFFFFF" opacity="0.12"/>')
    pad = size * 0.2
    body += icon(name, x + pad, y + pad, size - 2 * pad, width=1.9 if size > 30 else 2.2)
    return defs, body


def small_button(name, state, w=16, h=17):
    """16 x 17 opener-like square buttons: normal, hover, pressed (also the disabled look)."""
    top, bottom, glyph = {
        "normal": (VIOLET, MID, "#FFFFFF"),
        "hover": ("#A874E0", VIOLET, "#FFFFFF"),
        "pressed": ("#CFC3DC", "#A99BBB", "#F4F0F8"),
    }[state]
    defs = gradient("b", top, bottom)
    body = f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="3" fill="url(#b)"/>'
    if state == "hover":
        body += f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="3" fill="none" stroke="#FFFFFF" opacity="0.5"/>'
    if name == "chevron":
        cy = h / 2 + 1
        body += (f'<path d="M{w / 2 - 4} {cy - 2}l4 4 4-4" fill="none" stroke="{glyph}" stroke-width="2" '
                 f'stroke-linecap="round" stroke-linejoin="round"/>')
    else:
        body += icon(name, 2, 2.5, w - 4, colour=glyph, width=2.3)
    return defs, body


def three_part(prefix_ids, w_cap, w_mid, h, looks, radius):
    """Left cap, stretchable middle, right cap of a pill button for each look (ids in left, mid, right order)."""
    for (left_id, mid_id, right_id), (top, bottom, border) in zip(prefix_ids, looks):
        full = 2 * w_cap + 20
        defs = gradient("f", top, bottom)
        shape = (f'<rect x="0.5" y="0.5" width="{full - 1}" height="{h - 1}" rx="{radius}" fill="url(#f)" '
                 f'stroke="{border}"/>'
                 f'<rect x="1.5" y="1.5" width="{full - 3}" height="{h / 2 - 1.5}" rx="{radius - 1}" fill="#FFFFFF" '
                 f'opacity="0.35"/>')
        svg(left_id, w_cap, h, shape, defs)
        svg(mid_id, w_mid, h, f'<g transform="translate({-(full - w_mid) / 2} 0)">{shape}</g>', defs)
        svg(right_id, w_cap, h, f'<g transform="translate({-(full - w_cap)} 0)">{shape}</g>', defs)


def emblem(x, y, size, top=VIOLET, bottom=MID, gid="e"):
    """The product's mark: a rounded shield-like tile holding a drive with an upward arrow."""
    defs = gradient(gid, top, bottom)
    r = size * 0.26
    body = (f'<rect x="{x}" y="{y}" width="{size}" height="{size}" rx="{r}" fill="url(#{gid})"/>'
            f'<rect x="{x + 0.5}" y="{y + 0.5}" width="{size - 1}" height="{size - 1}" rx="{r}" fill="none" '
            f'stroke="#FFFFFF" stroke-opacity="0.35"/>')
    body += icon("backup", x + size * 0.16, y + size * 0.14, size * 0.68, width=2.4)
    return defs, body


# ---------------------------------------------------------------- window frame and title area

def frame_pieces():
    # Edges: a lighter outer line over the window's purple; the profile does not change along the edge.
    svg("21031", 640, 10, f'<rect width="640" height="10" fill="{DEEP}"/><rect width="640" height="1" fill="#6B3A9C"/>'
        f'<rect y="1" width="640" height="3" fill="#3A0F5E" opacity="0.7"/>')
    svg("21028", 640, 10, f'<rect width="640" height="10" fill="{DEEP}"/><rect y="9" width="640" height="1" fill="#6B3A9C"/>')
    svg("21029", 10, 480, f'<rect width="10" height="480" fill="{DEEP}"/><rect width="1" height="480" fill="#6B3A9C"/>')
    svg("21030", 10, 480, f'<rect width="10" height="480" fill="{DEEP}"/><rect x="9" width="1" height="480" fill="#6B3A9C"/>')
    arc = '<path d="M0.5 10V7.5A7 7 0 0 1 7.5 0.5H10" fill="none" stroke="#6B3A9C"/>'
    corner = f'<path d="M0 10V7.5A7.5 7.5 0 0 1 7.5 0H10V10z" fill="{DEEP}"/>{arc}'
    svg("21022", 10, 10, corner)                                                            # top left
    svg("21024", 10, 10, mirrored(10, corner))                                              # top right
    svg("21021", 10, 10, f'<g transform="translate(0 10) scale(1 -1)">{corner}</g>')         # bottom left
    svg("21023", 10, 10, f'<g transform="translate(10 10) scale(-1 -1)">{corner}</g>')       # bottom right


def title_buttons():
    glyphs = {
        "exit": '<path d="M4.5 1.5l5 6M9.5 1.5l-5 6"/>',
        "max": '<rect x="4" y="1.5" width="6" height="6" rx="0.8"/>',
        "min": '<path d="M4 6.5h6"/>',
    }
    looks = {"normal": None, "hover": HOVER, "pressed": VIOLET}
    ids = {"exit": ("21002", "21003", "21004"), "max": ("21005", "21006", "21007"), "min": ("21008", "21009", "21010")}
    for kind, triple in ids.items():
        for pid, (look, fill) in zip(triple, looks.items()):
            back = "" if fill is None else f'<rect x="0" y="0" width="14" height="9" rx="2" fill="{fill}"/>'
            if kind == "exit" and look != "normal":
                back = f'<rect x="0" y="0" width="14" height="9" rx="2" fill="{"#C2456A" if look == "hover" else "#94304F"}"/>'
            svg(pid, 14, 9, back + f'<g fill="none" stroke="#FFFFFF" stroke-width="1.3" stroke-linecap="round">'
                f'{glyphs[kind]}</g>')


def round_title_button(pid, name):
    defs = gradient("r", "#7A48B0", HOVER)
    svg(pid, 17, 17, f'<circle cx="8.5" cy="8.5" r="8" fill="url(#r)" stroke="#FFFFFF" stroke-opacity="0.45"/>'
        + icon(name, 2.5, 2.5, 12, width=2.4), defs)


def grip():
    dots = "".join(f'<circle cx="{9.5 - 3 * i}" cy="{9.5 - 3 * j}" r="1" fill="#FFFFFF" opacity="0.75"/>'
                   for i in range(3) for j in range(3) if i + j < 3)
    svg("21025", 11, 11, dots)
    svg("27001", 11, 11, mirrored(11, dots))


def logo(pid, w, h, mirror=False, word="VEMO"):
    size = h - 3
    if mirror:
        defs, mark = emblem(w - size - 1.5, 1.5, size)
        words = text(w - size - 8, h * 0.76, h * 0.72, word, anchor="end", spacing=1.5)
    else:
        defs, mark = emblem(1.5, 1.5, size)
        words = text(size + 8, h * 0.76, h * 0.72, word, spacing=1.5)
    svg(pid, w, h, mark + words, defs)


def title_band():
    defs = (gradient("band", "#5E2C90", DEEP, horizontal=True, extra='<stop offset="0.55" stop-color="#3E1164"/>')
            + '<radialGradient id="glow" cx="0.18" cy="0.5" r="0.5"><stop offset="0" stop-color="#9D6BD6" '
              'stop-opacity="0.55"/><stop offset="1" stop-color="#9D6BD6" stop-opacity="0"/></radialGradient>'
            + '<linearGradient id="fade" x1="0" x2="1"><stop offset="0" stop-color="#FFFFFF" stop-opacity="0.45"/>'
              '<stop offset="1" stop-color="#FFFFFF" stop-opacity="0"/></linearGradient>')
    body = ('<rect width="439" height="42" rx="8" fill="url(#band)"/><rect width="439" height="42" rx="8" fill="url(#glow)"/>'
            '<path d="M0 34C90 26 180 40 300 30S420 28 439 31" fill="none" stroke="url(#fade)" stroke-width="1.2"/>'
            '<path d="M0 38C120 32 220 42 330 35" fill="none" stroke="url(#fade)" stroke-width="0.8"/>')
    svg("21027", 439, 42, body, defs)
    svg("27003", 439, 42, mirrored(439, body), defs)


# ---------------------------------------------------------------- loading and about windows

def loading_window():
    defs = (gradient("bg", "#4A1A78", DEEP) +
            '<radialGradient id="halo" cx="0.82" cy="0.3" r="0.55"><stop offset="0" stop-color="#9D6BD6" '
            'stop-opacity="0.5"/><stop offset="1" stop-color="#9D6BD6" stop-opacity="0"/></radialGradient>')
    mark_defs, mark = emblem(28, 40, 58, gid="m")
    body = ('<rect width="383" height="201" fill="url(#bg)"/><rect width="383" height="201" fill="url(#halo)"/>'
            '<circle cx="330" cy="50" r="70" fill="none" stroke="#FFFFFF" stroke-opacity="0.08" stroke-width="14"/>'
            + mark + text(102, 78, 30, "Harbex Solo+") + text(104, 98, 12, "Backup made simple", weight="normal",
                                                             colour="#D9C9EE")
            + '<rect x="17.5" y="181.5" width="348" height="10" rx="5" fill="#1C0333" stroke="#6B3A9C"/>')
    svg("21032", 383, 201, body, defs + mark_defs)
    svg("21033", 347, 9, '<rect width="347" height="9" rx="4.5" fill="url(#p)"/>'
        '<rect x="2" y="1" width="343" height="3" rx="1.5" fill="#FFFFFF" opacity="0.45"/>',
        gradient("p", "#D7B8FF", VIOLET))


def about_window():
    defs = (gradient("bg", "#4A1A78", DEEP) +
            '<radialGradient id="halo" cx="0.85" cy="0.75" r="0.6"><stop offset="0" stop-color="#9D6BD6" '
            'stop-opacity="0.45"/><stop offset="1" stop-color="#9D6BD6" stop-opacity="0"/></radialGradient>')
    mark_defs, mark = emblem(318, 92, 80, gid="m")
    body = ('<rect width="423" height="210" fill="url(#bg)"/><rect width="423" height="210" fill="url(#halo)"/>'
            + text(15, 26, 20, "Harbex Solo+") + '<rect x="15" y="34" width="260" height="1" fill="#FFFFFF" opacity="0.3"/>'
            + f'<g opacity="0.9">{mark}</g>')
    svg("21034", 423, 210, body, defs + mark_defs)
    svg("26004", 165, 20, text(0, 16, 18, "Harbex Solo+"))
    mark_defs, mark = emblem(1, 1, 30)
    svg("26001", 32, 32, mark, mark_defs)


# ---------------------------------------------------------------- tray icon frames (48 px grid, rendered at 16/32/48)

def tray_frames():
    for frame, pid in enumerate(("21035", "21036", "21037", "21038", "21039", "21040")):
        defs, mark = emblem(2, 2, 44)
        spinner = ""
        if frame > 0:
            angle = (frame - 1) * 72
            spinner = (f'<g transform="rotate({angle} 24 24)"><path d="M24 6a18 18 0 0 1 15.6 9" fill="none" '
                       f'stroke="#FFE7A3" stroke-width="4" stroke-linecap="round"/></g>')
        svg(pid, 48, 48, mark + spinner, defs)


# ---------------------------------------------------------------- menu panel

MENU_ICONS = {"22004": "apps", "22005": "backup", "22006": "trash", "22007": "restore", "22008": "gear", "22009": "home"}


def menu():
    looks = {
        "22001": (gradient("s", "#9A5FD6", MID), '<rect x="1" y="2" width="168" height="37" rx="8" fill="url(#s)"/>'
                  '<rect x="1.5" y="2.5" width="167" height="36" rx="7.5" fill="none" stroke="#FFFFFF" stroke-opacity="0.35"/>'
                  '<rect x="3" y="3.5" width="164" height="15" rx="6" fill="#FFFFFF" opacity="0.14"/>'),
        "22002": ("", f'<rect x="1" y="2" width="168" height="37" rx="8" fill="{DEEP2}"/>'
                  '<rect x="12" y="40" width="146" height="1" fill="#FFFFFF" opacity="0.08"/>'),
        "22003": (gradient("h", "#5D2B92", HOVER), '<rect x="1" y="2" width="168" height="37" rx="8" fill="url(#h)"/>'),
    }
    for pid, (defs, body) in looks.items():
        svg(pid, 170, 41, body, defs)
    for pid, name in MENU_ICONS.items():
        svg(pid, 42, 31, icon(name, 12, 4.5, 22, width=1.8))
    # Frame: purple column with a soft lighter rim on its left; the right side belongs to the white strip.
    rim = "#5B2A8C"
    svg("22013", 162, 2, f'<rect width="162" height="2" fill="{DEEP}"/><rect width="162" height="1" fill="{rim}"/>')
    svg("22010", 162, 2, f'<rect width="162" height="2" fill="{DEEP}"/><rect y="1" width="162" height="1" fill="{rim}"/>')
    left_edge = f'<rect width="10" height="398" fill="{DEEP}"/><rect width="1" height="398" fill="{rim}"/>'
    right_edge = '<rect width="10" height="398" fill="#FFFFFF"/>'
    corner = (f'<path d="M0 10V9A9 9 0 0 1 9 0H10V10z" fill="{DEEP}"/>'
              f'<path d="M0.5 10V9A8.5 8.5 0 0 1 9 0.5H10" fill="none" stroke="{rim}"/>')
    white_corner = '<rect width="10" height="10" fill="#FFFFFF"/>'
    pieces = {
        "22011": (10, 398, left_edge), "22012": (10, 398, right_edge),
        "22015": (10, 10, corner), "22014": (10, 10, f'<g transform="translate(0 10) scale(1 -1)">{corner}</g>'),
        "22017": (10, 10, white_corner), "22016": (10, 10, white_corner),
    }
    for pid, (w, h, body) in pieces.items():
        svg(pid, w, h, body)
    mirrors = {"27004": "22012", "27005": "22011", "27006": "22016", "27007": "22017", "27008": "22014", "27009": "22015"}
    for pid, original in mirrors.items():
        w, h, body = pieces[original]
        svg(pid, w, h, mirrored(w, body))
    mark_defs, mark = emblem(10, 9, 32, gid="m")
    svg("22021", 157, 50, f'<rect x="0.5" y="0.5" width="156" height="49" rx="10" fill="url(#c)" stroke="#FFFFFF" '
        f'stroke-opacity="0.18"/>' + mark + text(50, 31, 15, "Harbex Solo+"), gradient("c", "#4A1A78", DEEP2) + mark_defs)
    # Sub-buttons: captions start 3 px into the picture, so nothing is drawn under them but the strip.
    # The selected one is a light tab whose right end is the white of the strip beside the menu and of
    # the page, so that it runs into the page instead of past the menu.
    selected = '<path d="M3 1H180V20H3A2 2 0 0 1 1 18V3A2 2 0 0 1 3 1z" fill="url(#t)"/>'
    svg("22022", 180, 21, selected, gradient("t", PALE, "#FFFFFF", horizontal=True))
    svg("27010", 180, 21, mirrored(180, selected), gradient("t", PALE, "#FFFFFF", horizontal=True))
    svg("22023", 170, 21, f'<rect x="0" y="1" width="168" height="19" rx="3" fill="{DEEP2}"/>')
    svg("22024", 170, 21, f'<rect x="0" y="1" width="168" height="19" rx="3" fill="{HOVER}"/>')


# ---------------------------------------------------------------- page parts

PAGE_ICONS = {"23031": "info", "23032": "drive", "23033": "backup", "23034": "folder_up", "23035": "restore",
              "23036": "folder_back", "23037": "trash", "23038": "trash_doc", "23039": "star", "23041": "gear",
              "23042": "clock", "23043": "refresh"}


def page_parts():
    for pid, name in PAGE_ICONS.items():
        defs, body = tile(97, 57, 48, name)
        svg(pid, 97, 57, body, defs)
    svg("23030", 400, 2, '<rect width="400" height="2" fill="url(#r)"/>',
        gradient("r", MID, LAVENDER, horizontal=True))
    svg("23062", 1, 21, f'<rect width="1" height="21" fill="url(#s)"/><rect y="20" width="1" height="1" fill="{LAVENDER}"/>',
        gradient("s", "#F6F2FB", "#E2D6EF"))
    svg("23002", 26, 20, '<path d="M8 2h10v7h5L13 18 3 9h5z" fill="url(#a)"/>', gradient("a", VIOLET, MID))
    for pid, state in (("23009", "pressed"), ("23010", "normal"), ("23011", "hover")):
        svg(pid, 16, 17, *reversed(small_button("chevron", state)))
    for pid, state in (("23003", "pressed"), ("23004", "normal"), ("23005", "hover"),
                       ("23006", "pressed"), ("23007", "normal"), ("23008", "hover")):
        svg(pid, 16, 17, *reversed(small_button("folder", state)))
    for pid, state in (("23078", "pressed"), ("23079", "normal"), ("23080", "hover")):
        svg(pid, 18, 17, *reversed(small_button("calendar", state, w=18)))
    svg("23017", 18, 18, f'<rect x="1.5" y="1.5" width="15" height="15" rx="3.5" fill="#FFFFFF" stroke="{MID}" '
        'stroke-width="1.4"/>')
    svg("23019", 18, 18, '<rect x="1" y="1" width="16" height="16" rx="4" fill="url(#c)"/>'
        + icon("check", 2.5, 2.5, 13, width=3.2), gradient("c", VIOLET, MID))
    svg("23049", 16, 17, f'<circle cx="8" cy="8.5" r="6.8" fill="#FFFFFF" stroke="{MID}" stroke-width="1.4"/>')
    svg("23051", 16, 17, f'<circle cx="8" cy="8.5" r="6.8" fill="#FFFFFF" stroke="{MID}" stroke-width="1.4"/>'
        '<circle cx="8" cy="8.5" r="3.8" fill="url(#c)"/>', gradient("c", VIOLET, MID))
    svg("23075", 16, 16, icon("globe", 0.5, 0.5, 15, colour=MID, width=2))
    bar = '<rect width="{w}" height="{h}" rx="{r}" fill="url(#p)"/><rect x="1" y="1" width="{iw}" height="{hh}" ' \
          'rx="{r}" fill="#FFFFFF" opacity="0.35"/>'
    svg("23044", 200, 16, bar.format(w=200, h=16, r=3, iw=198, hh=6), gradient("p", "#A874E0", MID))
    svg("23046", 200, 10, bar.format(w=200, h=10, r=2, iw=198, hh=4), gradient("p", "#A874E0", MID))
    svg("23045", 40, 16, f'<rect x="0.5" y="0.5" width="39" height="15" rx="3" fill="{PALE}" stroke="{LAVENDER}"/>')
    svg("23047", 40, 10, f'<rect x="0.5" y="0.5" width="39" height="9" rx="2" fill="{PALE}" stroke="{LAVENDER}"/>')
    tabs()
    device_pictures()
    hourglass()


def tabs():
    looks = {  # (ids of the tall set, ids of the short set, top colour, bottom colour, rim)
        "selected": (("23063", "23065", "23067"), ("23069", "23071", "23073"), "#FFFFFF", "#FFFFFF", MID),
        "other": (("23064", "23066", "23068"), ("23070", "23072", "23074"), "#EEE8F5", "#D9CFE6", LAVENDER),
    }
    for tall, short, top, bottom, rim in looks.values():
        for ids, h in ((tall, 35), (short, 20)):
            full = 24
            accent = f'<rect x="1" y="0" width="{full - 2}" height="3" rx="1.5" fill="{rim}"/>' if rim == MID else ""
            shape = (f'<path d="M0.5 {h}V5A4.5 4.5 0 0 1 5 0.5H{full - 5}A4.5 4.5 0 0 1 {full - 0.5} 5V{h}" '
                     f'fill="url(#t)" stroke="{rim}"/>{accent}')
            defs = gradient("t", top, bottom)
            svg(ids[0], 4, h, shape, defs)
            svg(ids[1], 8, h, f'<g transform="translate(-8 0)">{shape}</g>', defs)
            svg(ids[2], 4, h, f'<g transform="translate({-(full - 4)} 0)">{shape}</g>', defs)


def drive_body(x, y, w, h, top, bottom, led, glow=""):
    return (f'{glow}<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="14" fill="url(#{top})"/>'
            f'<rect x="{x + 6}" y="{y + 6}" width="{w - 12}" height="{h * 0.42}" rx="10" fill="#FFFFFF" opacity="0.12"/>'
            f'<rect x="{x + 18}" y="{y + h - 22}" width="{w * 0.45}" height="5" rx="2.5" fill="#FFFFFF" opacity="0.35"/>'
            f'<circle cx="{x + w - 26}" cy="{y + h - 19.5}" r="5" fill="{led}"/>')


def device_pictures():
    """305 x 204 external drive: idle (no drive), normal, hover (eject offered), pressed."""
    looks = {
        "23024": ("#CFC6DA", "#A79CB6", "#E6E6E6", 0.5),
        "23022": (VIOLET, DEEP2, "#7CF0A8", 1),
        "23023": ("#A874E0", MID, "#7CF0A8", 1),
        "23021": (MID, DEEP, "#7CF0A8", 1),
    }
    for pid, (top, bottom, led, eject_opacity) in looks.items():
        defs = gradient("d", top, bottom) + ('<radialGradient id="halo"><stop offset="0" stop-color="#B58AEA" '
                                             'stop-opacity="0.5"/><stop offset="1" stop-color="#B58AEA" '
                                             'stop-opacity="0"/></radialGradient>')
        glow = '<ellipse cx="187" cy="124" rx="140" ry="95" fill="url(#halo)"/>' if pid == "23023" else ""
        body = f'<ellipse cx="190" cy="193" rx="108" ry="8" fill="{DEEP}" opacity="0.15"/>'
        body += drive_body(75, 62, 230 - 5, 124, "d", bottom, led, glow)
        badge = "#FFFFFF" if pid != "23021" else "#E9DDF7"
        body += (f'<g opacity="{eject_opacity}"><circle cx="187" cy="116" r="26" fill="{badge}" opacity="0.95"/>'
                 + icon("eject", 171, 100, 32, colour=MID, width=2.2) + '</g>')
        svg(pid, 305, 204, body, defs)
    defs = gradient("d", VIOLET, DEEP2)
    body = (f'<ellipse cx="48" cy="84" rx="38" ry="5" fill="{DEEP}" opacity="0.15"/>'
            + drive_body(8, 22, 80, 58, "d", DEEP2, "#7CF0A8")
            + f'<path d="M30 8h36v14H30z" fill="#D9CFE6"/><path d="M36 12h6v5h-6zM54 12h6v5h-6z" fill="{MID}"/>')
    svg("23061", 96, 91, body, defs)


def hourglass_shape(sand_top, sand_bottom, angle=0, stream=True):
    """An hourglass on a 20 x 18 canvas; sand amounts from 0 to 1."""
    top_level = 3 + (1 - sand_top) * 5.5
    bottom_level = 15 - sand_bottom * 5.5
    glass = '<path d="M6 2h8v2.5L11 9l3 4.5V16H6v-2.5L9 9 6 4.5z" fill="#FFFFFF" stroke="{0}" stroke-width="1.2" ' \
            'stroke-linejoin="round"/>'.format(MID)
    sand = ""
    if sand_top > 0:
        half = 3.6 * (1 - (top_level - 3) / 6)
        sand += f'<path d="M{10 - half} {top_level}H{10 + half}L10 8.8z" fill="{VIOLET}"/>'
    if sand_bottom > 0:
        sand += f'<path d="M6.8 15.3H13.2V{max(bottom_level, 10.5)}L10 {bottom_level - 0.5}z" fill="{VIOLET}"/>'
    if stream and 0 < sand_top:
        sand += f'<path d="M10 9v5.5" stroke="{VIOLET}" stroke-width="0.8"/>'
    caps = f'<rect x="4.5" y="1" width="11" height="1.8" rx="0.9" fill="{MID}"/>' \
           f'<rect x="4.5" y="15.2" width="11" height="1.8" rx="0.9" fill="{MID}"/>'
    return f'<g transform="rotate({angle} 10 9)">{glass}{sand}{caps}</g>'


def hourglass():
    svg("23076", 20, 18, hourglass_shape(1, 0, stream=False))
    steps = [(1, 0, 0), (0.8, 0.2, 0), (0.6, 0.4, 0), (0.4, 0.6, 0), (0.2, 0.8, 0), (0, 1, 0), (0, 1, 90)]
    for frame, (top, bottom, angle) in enumerate(steps):
        svg(f"23077-{frame}", 20, 18, hourglass_shape(top, bottom, angle, stream=angle == 0))


# ---------------------------------------------------------------- buttons, message boxes, categories

BUTTON_LOOKS = [("#FFFFFF", "#E4D9F0", LAVENDER), ("#FFFFFF", "#D2BFEA", VIOLET), ("#D4C8E2", "#BBA9D0", MID)]


def buttons_and_boxes():
    three_part([("24004", "24007", "24010"), ("24005", "24008", "24011"), ("24003", "24006", "24009")],
               6, 1, 24, BUTTON_LOOKS, 5)
    three_part([("25015", "25018", "25021"), ("25016", "25019", "25022"), ("25014", "25017", "25020")],
               3, 1, 21, BUTTON_LOOKS, 3)
    # Message box background: white, a purple accent along the top, a faint lavender foot.
    background = ('<rect width="{w}" height="156" fill="url(#g)"/><rect width="{w}" height="4" fill="url(#a)"/>')
    defs = gradient("g", "#FFFFFF", "#EFE8F7", extra='<stop offset="0.6" stop-color="#FFFFFF"/>') + \
        gradient("a", VIOLET, MID, horizontal=True)
    svg("24001", 329, 156, background.format(w=329), defs)
    side = background.format(w=10) + f'<rect width="1" height="156" fill="{LAVENDER}"/>'
    svg("24000", 10, 156, side, defs)
    svg("24002", 10, 156, mirrored(10, side), defs)
    for pid, name, top, bottom in (("24021", "check", VIOLET, MID), ("24022", "cross", "#E0617F", "#B0304F"),
                                   ("24023", "exclaim", "#F2B544", "#D98A1C")):
        svg(pid, 55, 55, f'<circle cx="27.5" cy="27.5" r="25" fill="url(#c)"/>'
            f'<circle cx="27.5" cy="27.5" r="24" fill="none" stroke="#FFFFFF" stroke-opacity="0.35"/>'
            + icon(name, 12.5, 12.5, 30, width=2.8), gradient("c", top, bottom))


CATEGORY_IDS = {"25001": "audio", "25002": "document", "25003": "picture", "25004": "mail", "25005": "video",
                "25006": "other"}
SEGMENT_IDS = {"25008": "audio", "25009": "document", "25010": "picture", "25011": "mail", "25012": "video",
               "25013": "other"}


def categories():
    for pid, name in CATEGORY_IDS.items():
        top, bottom = CATEGORY_COLOURS[name]
        defs, body = tile(48, 34, 30, name, top, bottom, shadow=False)
        svg(pid, 48, 34, body, defs)
    defs, body = tile(48, 34, 30, "pie", shadow=False)
    svg("25007", 48, 34, body, defs)
    for pid, name in SEGMENT_IDS.items():
        top, bottom = CATEGORY_COLOURS[name]
        svg(pid, 100, 20, '<rect width="100" height="20" fill="url(#s)"/>'
            '<rect y="1" width="100" height="6" fill="#FFFFFF" opacity="0.28"/>', gradient("s", top, bottom))


# ---------------------------------------------------------------- automatic-start countdown window

def countdown_window():
    defs = gradient("g", PALE, "#FFFFFF", extra='<stop offset="0.35" stop-color="#FFFFFF"/>')
    svg("25060", 620, 433, '<rect width="620" height="433" fill="url(#g)"/><rect width="620" height="4" fill="url(#a)"/>'
        '<circle cx="520" cy="250" r="160" fill="#F4EEFA" opacity="0.6"/>', defs + gradient("a", VIOLET, MID, True))
    side = f'<rect width="10" height="433" fill="url(#g)"/><rect width="10" height="4" fill="{MID}"/>' \
           f'<rect width="1" height="433" fill="{LAVENDER}"/>'
    svg("25059", 10, 433, side, defs)
    svg("25061", 10, 433, mirrored(10, side), defs)
    svg("25056", 624, 60, '<rect width="624" height="60" rx="12" fill="url(#u)"/>'
        '<rect x="1" y="1" width="622" height="26" rx="11" fill="#FFFFFF" opacity="0.08"/>'
        + text(604, 38, 13, "Harbex Solo+", colour="#D9C9EE", anchor="end", weight="normal"),
        gradient("u", "#4A1A78", DEEP, horizontal=True))
    svg("25057", 120, 42, '<rect x="0.5" y="0.5" width="119" height="41" rx="8" fill="#FFFFFF" opacity="0.12" '
        'stroke="#FFFFFF" stroke-opacity="0.3"/>')
    ring = ('<circle cx="142" cy="124" r="112" fill="url(#halo)"/>'
            f'<circle cx="142" cy="124" r="100" fill="#FFFFFF" stroke="#E4D9F0" stroke-width="10"/>')
    halo = ('<radialGradient id="halo"><stop offset="0.7" stop-color="#D9C6F0"/><stop offset="1" stop-color="#D9C6F0" '
            'stop-opacity="0"/></radialGradient>')
    # The countdown picture is still while the digits change, so its ring is whole: a part-drawn arc
    # would promise a progress it never shows.
    full = '<circle cx="142" cy="124" r="100" fill="none" stroke="url(#a)" stroke-width="10"/>'
    svg("25053", 284, 249, ring + full, halo + gradient("a", VIOLET, MID))
    svg("25055", 284, 249, ring + f'<g opacity="0.13">{icon("magnifier", 62, 44, 160, colour=MID, width=1.6)}</g>',
        halo)
    svg("25054", 284, 249, ring + f'<g opacity="0.9">{icon("backup", 92, 74, 100, colour=VIOLET, width=1.6)}</g>', halo)
    for digit, (inactive, active) in enumerate((("25062", "25063"), ("25064", "25065"), ("25067", "25068")), 1):
        for pid, (top, bottom, colour) in ((inactive, ("#E6E0EE", "#CFC6DA", "#8A7F99")),
                                           (active, (VIOLET, MID, "#FFFFFF"))):
            svg(pid, 23, 27, '<path d="M11.5 1L22 7v13l-10.5 6L1 20V7z" fill="url(#s)"/>'
                + text(11.5, 18.5, 13, str(digit), colour=colour, anchor="middle"), gradient("s", top, bottom))


# ---------------------------------------------------------------- setup program

def setup_pictures():
    defs, mark = emblem(0.5, 7.5, 30)
    svg("setup/21010", 31, 45, mark, defs)
    defs, mark = emblem(4, 4, 55)
    svg("setup/21011", 377, 63, mark + text(72, 42, 30, "Harbex Solo+", colour=DEEP)
        + text(276, 42, 13, "Setup", colour=MID, weight="normal"), defs)
    chevrons = (f'<path d="M1.5 1.5l4 4-4 4M7 1.5l4 4-4 4" fill="none" stroke="{MID}" stroke-width="1.8" '
                'stroke-linecap="round" stroke-linejoin="round"/>')
    svg("setup/21030", 13, 11, chevrons)
    svg("setup/21031", 13, 11, mirrored(13, chevrons))
    for pid, name, top, bottom in (("22001", "cross", "#E0617F", "#B0304F"), ("22003", "question", VIOLET, MID)):
        svg(f"setup/{pid}", 32, 32, '<circle cx="16" cy="16" r="15" fill="url(#c)"/>' + icon(name, 6, 6, 20, width=2.6),
            gradient("c", top, bottom))
    svg("setup/22002", 32, 32, '<circle cx="16" cy="16" r="15" fill="url(#c)"/>'
        '<rect x="14.3" y="13.5" width="3.4" height="10" rx="1.7" fill="#FFFFFF"/><circle cx="16" cy="9.5" r="2" '
        'fill="#FFFFFF"/>', gradient("c", VIOLET, MID))
    svg("setup/22004", 32, 32, '<path d="M16 2.5L30 28H2z" fill="url(#c)" stroke="#C98A10" stroke-linejoin="round"/>'
        '<rect x="14.5" y="10" width="3" height="10" rx="1.5" fill="#FFFFFF"/><circle cx="16" cy="23.7" r="1.8" '
        'fill="#FFFFFF"/>', gradient("c", "#FFD45A", "#F0A82A"))


def main():
    frame_pieces()
    title_buttons()
    round_title_button("21000", "question")
    round_title_button("21001", "info")
    grip()
    logo("21026", 197, 29)
    logo("27002", 197, 29, mirror=True)
    title_band()
    loading_window()
    about_window()
    tray_frames()
    menu()
    page_parts()
    buttons_and_boxes()
    categories()
    countdown_window()
    setup_pictures()
    for old in OUT.rglob("*.svg"):
        old.unlink()
    for name, content in pictures.items():
        path = OUT / f"{name}.svg"
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(content)
    print(f"{len(pictures)} pictures written to {OUT}")


if __name__ == "__main__":
    main()
