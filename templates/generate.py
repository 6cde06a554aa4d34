#!/usr/bin/env python3
"""Writes the page templates of the client program (clientdb/) and of the
billing program (billing/): page<n>.rtf with its PAGE<n>.DAT companion.

Run it after changing a layout and commit what it writes:

    python3 templates/generate.py

"python3 templates/generate.py --check" writes nothing and fails when a
committed template differs from what the generator writes (a test runs it).

Every template is a whole RTF document. Its header (fonts, colours, page
set-up) ends with the marker \\'b7; chained pages lose their own header and
live under the first page's, so every template of a program has the same
font and colour tables, and every billing template the same page set-up
(bills and itemized statements share one document).

A variable code is "/" + type character + slot number + "/". The DAT file has
one line per slot, 0 to the page's last slot:

    slot  type  size  left  width  wrap  row

  slot   the slot number
  type   the type code; the billing program builds the slot's code from it
         (2 "$", 3 "%", 4 "+", 5 "&", 6 "@", 9 "<", 7 no code, others "*")
  size   the font size at the code, in half points
  left   the left edge of the column holding the code, inches from the left
         margin
  width  the width of that column, inches
  wrap   the width the slot's text is set in (column less its insets), inches;
         text wider than this wraps
  row    the table row holding the code (0 when it stands outside a table)

Slots a template does not carry get type 7 (no code) in the billing DATs and
type 0 with zero measures in the client DATs.
"""

import os
import sys

TW = 1440  # twips per inch
CRLF = "\r\n"

FONTS = (
    r"{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman\fcharset0 Times New Roman;}"
    r"{\f2\fmodern\fcharset0 Courier New;}{\f3\fnil\fcharset2 Wingdings;}"
    r"{\f4\fswiss\fcharset0 Arial Narrow;}}"
)
F_ARIAL, F_TIMES, F_COURIER, F_WINGDINGS, F_NARROW = 0, 1, 2, 3, 4

# Colour 1 is red: overridden money answers are set in \cf1.
COLOURS = r"{\colortbl;\red255\green0\blue0;\red0\green0\blue0;\red160\green160\blue160;}"
GREY = 3

BILLING_CHARS = {2: "$", 3: "%", 4: "+", 5: "&", 6: "@", 9: "<"}
CLIENT_CHARS = {0: "*", 2: "$", 3: "%", 4: "#", 5: "&", 6: "@", 7: "^", 8: "<"}
NO_CODE = 7

# A one-point paragraph. Every body starts with a finished one, so that the
# \page put in front of a chained body ends up in a paragraph of its own and
# not inside the first table cell. Every body ends with a finished one and an
# open one, which takes the next page's \page: a break in the paragraph right
# after a table is lost by some word processors.
SPACER = r"\pard\plain\f0\fs2\sl-20\slmult0"


class Page:
    def __init__(self, program, number, last_slot):
        self.program = program
        self.number = number
        self.last_slot = last_slot
        self.slots = {}

    def char_of(self, type_code):
        if self.program == "billing":
            return BILLING_CHARS.get(type_code, "*")
        return CLIENT_CHARS[type_code]

    def code(self, slot, size, left=0.0, width=0.0, wrap=0.0, row=0, type_code=0):
        """The code of one slot, recorded for the DAT file."""
        assert 0 <= slot <= self.last_slot, slot
        assert slot not in self.slots, slot
        assert type_code != NO_CODE
        self.slots[slot] = (type_code, size, left, width, wrap, row)
        return "/%s%d/" % (self.char_of(type_code), slot)

    def dat_lines(self):
        lines = []
        for slot in range(self.last_slot + 1):
            if slot in self.slots:
                t, size, left, width, wrap, row = self.slots[slot]
            else:
                t = NO_CODE if self.program == "billing" else 0
                size, left, width, wrap, row = 0, 0.0, 0.0, 0.0, 0
            lines.append("%d %d %d %.3f %.3f %.3f %d" % (slot, t, size, left, width, wrap, row))
        return lines


class PageSetup:
    def __init__(self, left, right, top, bottom, footer="", landscape=False):
        self.left, self.right, self.top, self.bottom = left, right, top, bottom
        self.footer = footer
        self.landscape = landscape

    @property
    def paper(self):
        """Paper width and height in twips: US Letter, turned for landscape."""
        return (15840, 12240) if self.landscape else (12240, 15840)

    @property
    def text_width(self):
        return self.paper[0] - self.left - self.right


def header(setup):
    parts = [
        r"{\rtf1\ansi\ansicpg1252\deff0",
        FONTS,
        COLOURS,
        r"\paperw%d\paperh%d\margl%d\margr%d\margt%d\margb%d\deftab720%s"
        % (setup.paper + (setup.left, setup.right, setup.top, setup.bottom,
                          r"\landscape" if setup.landscape else "")),
    ]
    if setup.footer:
        parts.append(setup.footer)
    # The marker ends the header; the body goes on right after it.
    parts.append(r"\pard\plain\v\'b7")
    return CRLF.join(parts)


def document(setup, body):
    return (
        header(setup)
        + r"\v0 "
        + SPACER
        + r"\par"
        + CRLF
        + body
        + SPACER
        + r"\par"
        + CRLF
        + SPACER
        + " }"
        + CRLF
    )


def inches(twips):
    return twips / TW


class Cell:
    def __init__(self, width, content="", borders="", valign=""):
        self.width = width  # twips
        self.content = content  # cell paragraphs, the last one left open
        self.borders = borders
        self.valign = valign


def border(sides, colour=0, width=10):
    """Cell border control words for the sides among "tlbr"."""
    words = {"t": r"\clbrdrt", "l": r"\clbrdrl", "b": r"\clbrdrb", "r": r"\clbrdrr"}
    out = ""
    for side in sides:
        out += words[side] + r"\brdrs\brdrw%d" % width
        if colour:
            out += r"\brdrcf%d" % colour
    return out


def row(cells, height):
    """One table row; height in twips, negative for an exact height."""
    out = r"\trowd\trgaph0\trleft0\trrh%d" % height
    x = 0
    for cell in cells:
        x += cell.width
        out += cell.valign + cell.borders + r"\cellx%d" % x
    out += CRLF
    for cell in cells:
        out += cell.content + r"\cell" + CRLF
    return out + r"\row" + CRLF


def para(props, font, size, text):
    """A cell paragraph opening: in-table paragraph props, font and size."""
    return r"\pard\plain\intbl%s\f%d\fs%d %s" % (props, font, size, text)


# ---------------------------------------------------------------- client


def avery_5160():
    """30 address labels of 2.625 x 1 in, 3 across and 10 down."""
    page = Page("clientdb", 0, 150)
    setup = PageSetup(left=270, right=270, top=720 - 20, bottom=360)
    label, pitch, inset, size = 3780, 3960, 216, 20
    body = ""
    for r in range(10):
        cells = []
        for c in range(3):
            k = 3 * r + c
            width = pitch if c < 2 else label
            lines = [
                page.code(4 * k + i, size, inches(c * pitch), inches(label),
                          inches(label - 2 * inset), r)
                for i in range(4)
            ]
            content = para(r"\li%d\ri%d" % (inset, width - label + inset), F_ARIAL, size,
                           r"\par ".join(lines))
            cells.append(Cell(width, content, valign=r"\clvertalc"))
        body += row(cells, -1440)
    return page, setup, body


def avery_5163():
    """10 labels of 4 x 2 in, 2 across and 5 down: return address above the
    client's address block."""
    page = Page("clientdb", 1, 150)
    setup = PageSetup(left=225, right=225, top=720 - 20, bottom=360)
    label, pitch, inset = 5760, 6030, 288
    small, big, indent = 16, 22, 1008
    body = ""
    for r in range(5):
        cells = []
        for c in range(2):
            k = 2 * r + c
            width = pitch if c < 1 else label
            right = width - label + inset
            left = inches(c * pitch)
            ret = [page.code(8 * k + i, small, left, inches(label), inches(label - 2 * inset), r)
                   for i in range(4)]
            adr = [page.code(8 * k + 4 + i, big, left, inches(label),
                             inches(label - 2 * inset - indent), r) for i in range(4)]
            content = (para(r"\li%d\ri%d" % (inset, right), F_ARIAL, small, r"\par ".join(ret))
                       + r"\par" + CRLF
                       + para(r"\li%d\ri%d\sb240" % (inset + indent, right), F_ARIAL, big, adr[0])
                       + r"\par" + CRLF
                       + para(r"\li%d\ri%d" % (inset + indent, right), F_ARIAL, big,
                              r"\par ".join(adr[1:])))
            cells.append(Cell(width, content, valign=r"\clvertalc"))
        body += row(cells, -2880)
    return page, setup, body


def phone_book():
    """150 entries in three columns of 50, heading with file, date, page."""
    page = Page("clientdb", 2, 325)
    setup = PageSetup(left=720, right=720, top=720, bottom=540)
    width = setup.text_width  # 10800
    name_w, phone_w, inset, size = 2160, 1440, 58, 16
    full = inches(width)

    def head(slot):
        return page.code(slot, 20, 0, full, full)

    body = (r"\pard\plain\tqc\tx%d\tqr\tx%d\brdrb\brdrs\brdrw10\brsp40\f0\fs20 "
            % (width // 2, width)
            + r"\b Phone Book - " + head(300) + r"\b0\tab " + head(301)
            + r"\tab Page " + head(302) + " of " + head(303) + r"\par" + CRLF
            + r"\pard\plain\f0\fs8\par" + CRLF)
    heading = []
    for c in range(3):
        heading.append(Cell(name_w, para(r"\li%d\ri%d" % (inset, inset), F_ARIAL, size,
                                         r"\b Name\b0 "), border("b")))
        heading.append(Cell(phone_w, para(r"\li%d\ri%d" % (inset, inset), F_ARIAL, size,
                                          r"\b Phone\b0 "), border("b")))
    body += row(heading, -260)
    for r in range(50):
        cells = []
        for c in range(3):
            entry = 50 * c + r
            left = c * (name_w + phone_w)
            name = page.code(2 * entry, size, inches(left), inches(name_w),
                             inches(name_w - 2 * inset), r + 1)
            phone = page.code(2 * entry + 1, size, inches(left + name_w), inches(phone_w),
                              inches(phone_w - 2 * inset), r + 1)
            # Names in Arial Narrow: a long name stays on its line.
            cells.append(Cell(name_w, para(r"\li%d\ri%d" % (inset, inset), F_NARROW, size, name)))
            cells.append(Cell(phone_w,
                              para(r"\li%d\ri%d" % (inset, inset), F_ARIAL, size, phone)))
        body += row(cells, -260)
    return page, setup, body


def full_printout():
    """50 lines a page; the lines bring their own tab stops and bold."""
    page = Page("clientdb", 3, 150)
    footer = (r"{\footer\pard\plain\qc\f0\fs16 Page {\field{\*\fldinst PAGE }{\fldrslt 1}}"
              r" of {\field{\*\fldinst NUMPAGES }{\fldrslt 1}}\par}")
    # Landscape, so that the e-mail and note column behind the last tab stop
    # (6.25 in) holds a 40-character address on one line; 50 lines of 9
    # points fill the turned page.
    setup = PageSetup(left=720, right=720, top=576, bottom=720, footer=footer, landscape=True)
    width = inches(setup.text_width)
    body = (r"\pard\plain\qc\f0\fs24\b Client Database - Full Printout\b0\par" + CRLF
            + r"\pard\plain\f0\fs8\par" + CRLF
            + r"\pard\plain\f0\fs18 ")
    for i in range(50):
        body += page.code(i, 18, 0, width, width, 0) + r"\par" + CRLF
    return page, setup, body


# --------------------------------------------------------------- billing

# Bills and itemized statements are chained into one document, so every
# billing template shares this page set-up.
BILLING_SETUP = PageSetup(left=1080, right=1080, top=720, bottom=720)


def bill():
    """The bill: letterhead, date and page, address, 20 rows, note."""
    page = Page("billing", 0, 150)
    width = BILLING_SETUP.text_width  # 10080
    full = inches(width)
    body = (r"\pard\plain\qc\f%d\fs32\b " % F_TIMES + page.code(0, 32, 0, full, full)
            + r"\par" + CRLF)
    body += r"\pard\plain\qc\f%d\fs20 " % F_TIMES
    body += r"\par ".join(page.code(i, 20, 0, full, full) for i in range(1, 5))
    body += r"\par" + CRLF
    body += r"\pard\plain\qr\sb240\f0\fs20 " + page.code(97, 20, 0, full, full) + r"\par" + CRLF
    body += (r"\pard\plain\qr\f0\fs18 Page " + page.code(10, 18, 0, full, full) + " of "
             + page.code(11, 18, 0, full, full) + r"\par" + CRLF)
    indent = 720
    adr = inches(width - indent)
    body += (r"\pard\plain\li%d\sb120\f0\fs22 " % indent
             + page.code(5, 22, inches(indent), adr, adr)
             + r"\par" + CRLF + r"\pard\plain\li%d\f0\fs22 " % indent
             + r"\par ".join(page.code(i, 22, inches(indent), adr, adr) for i in range(6, 10))
             + r"\par" + CRLF)
    body += r"\pard\plain\qc\sb240\sa120\f0\fs24\b Statement of Account\b0\par" + CRLF
    columns = [(1440, r"\ql", "Date"), (5040, r"\ql", "Description"),
               (1800, r"\qr", "Payments/Credits"), (1800, r"\qr", "Charges/Debits")]
    inset, size = 72, 20
    head = [Cell(w, para(r"\li%d\ri%d%s" % (inset, inset, align), F_ARIAL, 18,
                         r"\b %s\b0 " % title), border("tb"))
            for w, align, title in columns]
    body += row(head, 320)
    for k in range(20):
        cells = []
        left = 0
        for c, (w, align, _) in enumerate(columns):
            code = page.code(12 + 4 * k + c, size, inches(left), inches(w),
                             inches(w - 2 * inset), k + 1)
            cells.append(Cell(w, para(r"\li%d\ri%d%s" % (inset, inset, align), F_ARIAL, size,
                                      code), border("b", GREY, 5) if k < 19 else border("b")))
            left += w
        body += row(cells, 300)
    # Slots 93 to 96 are cleared with every page and follow the note.
    body += (r"\pard\plain\sb240\f0\fs20\i "
             + "".join(page.code(i, 20, 0, full, full) for i in range(92, 97))
             + r"\i0\par" + CRLF)
    return page, BILLING_SETUP, body


def statement():
    """The itemized statement: 54 rows of date, description and hours."""
    page = Page("billing", 1, 200)
    width = BILLING_SETUP.text_width  # 10080
    full = inches(width)
    body = (r"\pard\plain\tqc\tx%d\tqr\tx%d\f0\fs24\b Itemized Statement\b0\fs20\tab "
            % (width // 2, width)
            + page.code(199, 20, 0, full, full)
            + r"\tab Page " + page.code(173, 20, 0, full, full)
            + " of " + page.code(174, 20, 0, full, full) + r"\par" + CRLF)
    body += (r"\pard\plain\sa80\f0\fs18 File: " + page.code(172, 18, 0, full, full)
             + r"\par" + CRLF)
    # The program wraps descriptions at 4.73 in of 10-point Arial Narrow; the
    # description column keeps that width free inside its insets.
    columns = [(1440, r"\ql", "Date"), (7200, r"\ql", "Description"),
               (1440, r"\qr", "Hours")]
    inset, size = 72, 20
    head = [Cell(w, para(r"\li%d\ri%d%s" % (inset, inset, align), F_ARIAL, 18,
                         r"\b %s\b0 " % title), border("tb"))
            for w, align, title in columns]
    body += row(head, -260)
    for k in range(54):
        cells = []
        left = 0
        for c, (w, align, _) in enumerate(columns):
            code = page.code(3 * k + c, size, inches(left), inches(w), inches(w - 2 * inset),
                             k + 1)
            cells.append(Cell(w, para(r"\li%d\ri%d%s" % (inset, inset, align), F_NARROW, size,
                                      code), border("b") if k == 53 else ""))
            left += w
        body += row(cells, -240)
    return page, BILLING_SETUP, body


WEEKDAYS = ["Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"]


def month():
    """Six weeks of seven days under the month's name."""
    page = Page("billing", 2, 100)
    width = BILLING_SETUP.text_width
    full = inches(width)
    day_w, inset, size = width // 7, 58, 14
    body = (r"\pard\plain\qc\sa120\f0\fs36\b " + page.code(50, 36, 0, full, full) + r"\b0\par"
            + CRLF)
    all_sides = border("tlbr")
    head = [Cell(day_w, para(r"\qc", F_ARIAL, 18, r"\b %s\b0 " % name), all_sides)
            for name in WEEKDAYS]
    body += row(head, -300)
    for w in range(6):
        cells = []
        for d in range(7):
            slot = 7 * w + d
            code = page.code(slot, size, inches(d * day_w), inches(day_w),
                             inches(day_w - 2 * inset), w + 1)
            # A day's text resets the paragraph after its bold number; the
            # paragraph words behind the code keep that paragraph in its cell.
            props = r"\li%d\ri%d" % (inset, inset)
            cells.append(Cell(day_w, para(props, F_ARIAL, size, code + r"\intbl" + props + " "),
                              all_sides))
        body += row(cells, 2016)
    # Slots 42 to 49 are cleared with the page; they carry nothing.
    body += (r"\pard\plain\f0\fs14 " + "".join(page.code(i, 14, 0, full, full)
                                                for i in range(42, 50)) + r"\par" + CRLF)
    return page, BILLING_SETUP, body


def week():
    """Seven day rows: heading, appointments, notes."""
    page = Page("billing", 3, 100)
    width = BILLING_SETUP.text_width
    full = inches(width)
    columns = [(2160, "Day"), (5400, "Appointments"), (2520, "Notes")]
    inset = 72
    body = (r"\pard\plain\qc\sa120\f0\fs32\b " + page.code(21, 32, 0, full, full) + r"\b0\par"
            + CRLF)
    all_sides = border("tlbr")
    head = [Cell(w, para(r"\li%d\ri%d" % (inset, inset), F_ARIAL, 18, r"\b %s\b0 " % title),
                 all_sides) for w, title in columns]
    body += row(head, -300)
    for i in range(7):
        cells = []
        left = 0
        for c, (w, _) in enumerate(columns):
            size = 20 if c == 0 else 18
            code = page.code(3 * i + c, size, inches(left), inches(w), inches(w - 2 * inset),
                             i + 1)
            text = r"\b " + code + r"\b0 " if c == 0 else code
            cells.append(Cell(w, para(r"\li%d\ri%d" % (inset, inset), F_ARIAL, size, text),
                              all_sides))
            left += w
        body += row(cells, 1728)
    # Slots 22 to 50 are cleared with the page; they carry nothing.
    body += (r"\pard\plain\f0\fs16 " + "".join(page.code(i, 16, 0, full, full)
                                                for i in range(22, 51)) + r"\par" + CRLF)
    return page, BILLING_SETUP, body


def slot_caption(j):
    hour, half = divmod(j, 2)
    shown = hour % 12 or 12
    return "%d:%s %s" % (shown, "30" if half else "00", "AM" if hour < 12 else "PM")


def day():
    """The 48 half hours of one day beside their times, then the notes."""
    page = Page("billing", 4, 100)
    width = BILLING_SETUP.text_width
    full = inches(width)
    time_w, inset, size = 1152, 72, 18
    text_w = width - time_w
    body = (r"\pard\plain\qc\sa120\f0\fs28\b " + page.code(49, 28, 0, full, full) + r"\b0\par"
            + CRLF)
    line = border("b", GREY, 5)
    for j in range(48):
        code = page.code(j, size, inches(time_w), inches(text_w), inches(text_w - 2 * inset), j)
        cells = [Cell(time_w, para(r"\qr\li%d\ri%d" % (inset, inset), F_ARIAL, size,
                                   slot_caption(j)), line),
                 Cell(text_w, para(r"\li%d\ri%d" % (inset, inset), F_ARIAL, size, code), line)]
        body += row(cells, 250)
    body += r"\pard\plain\sb200\f0\fs20\b Notes\b0\par" + CRLF
    body += r"\pard\plain\f0\fs18 " + page.code(48, 18, 0, full, full) + r"\par" + CRLF
    return page, BILLING_SETUP, body


# ------------------------------------------------------------------ main

PAGES = [avery_5160, avery_5163, phone_book, full_printout, bill, statement, month, week, day]


def encoded(text):
    return text.encode("cp1252")


def outputs(here):
    """Every file the generator writes: path and bytes."""
    for make in PAGES:
        page, setup, body = make()
        folder = os.path.join(here, page.program)
        yield (os.path.join(folder, "page%d.rtf" % page.number), encoded(document(setup, body)))
        yield (os.path.join(folder, "PAGE%d.DAT" % page.number),
               encoded(CRLF.join(page.dat_lines()) + CRLF))


def main():
    """Writes the templates; with --check only compares them with the
    committed files and exits 1 when one differs."""
    here = os.path.dirname(os.path.abspath(__file__))
    check = "--check" in sys.argv[1:]
    differing = []
    for path, data in outputs(here):
        if check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                differing.append(os.path.relpath(path, here))
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    if differing:
        print("templates differ from generate.py: " + ", ".join(differing))
        sys.exit(1)


if __name__ == "__main__":
    main()
