#!/usr/bin/python3
"""What an analyst might script instead of Vantrel: read the same cells of the same workbooks
with xlrd and print the same lines as `Vantrel --dump`.

Usage: /usr/bin/python3 read_xlrd.py [CAUSE_CODE_DIR RAILROAD_DIR]
Needs Debian's python3-xlrd (apt-get install -y python3-xlrd).
"""
import os
import sys

import xlrd

TYPE_NAMES = ["Low Speed Collision", "Medium Speed Collision", "High Speed Collision",
              "Low Speed Derailment", "Medium Speed Derailment", "High Speed Derailment"]
NUMBER_TYPES = (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE)
EMPTY_TYPES = (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK)


def workbooks(folder):
    try:
        names = os.listdir(folder)
    except OSError:
        return []
    names = [n for n in names if os.path.splitext(n)[1].lower() in (".xls", ".xlsx")
             and os.path.isfile(os.path.join(folder, n))]
    return [os.path.join(os.path.abspath(folder), n) for n in sorted(names)]


def cell(sheet, row, col):
    if row >= sheet.nrows or col >= sheet.ncols:
        return xlrd.XL_CELL_EMPTY, None
    c = sheet.cell(row, col)
    return c.ctype, c.value


def tdiv(a, b):
    q = abs(a) // abs(b)
    return q if (a >= 0) == (b >= 0) else -q


def trunc(v):
    return int(v)


def date_text(day):
    t = int(day)
    if t == 60:
        m, d, y = 2, 29, 1900
    else:
        if t < 60:
            t += 1
        l = t + 2483588
        n = tdiv(4 * l, 146097)
        l = l - tdiv(146097 * n + 3, 4)
        i = tdiv(4000 * (l + 1), 1461001)
        l = l - tdiv(1461 * i, 4) + 31
        j = tdiv(80 * l, 2447)
        d = l - tdiv(2447 * j, 80)
        l = tdiv(j, 11)
        m = j + 2 - 12 * l
        y = 100 * (n - 49) + i + l
    return "%02d/%02d/%04d" % (m, d, y)


def field(text):
    return text.replace("\n", "\\n").replace("\r", "\\r").replace("\t", "\\t")


def accident_sheet(sheet):
    rows = []
    r = 1
    while cell(sheet, r, 0)[0] not in EMPTY_TYPES:
        v = [cell(sheet, r, c) for c in range(10)]
        a = {"report": v[0][1] if v[0][0] == xlrd.XL_CELL_TEXT else "",
             "date": v[1][1] if v[1][0] in NUMBER_TYPES else 0.0,
             "type": v[2][1] if v[2][0] == xlrd.XL_CELL_TEXT else "",
             "eqpt": v[3][1] if v[3][0] in NUMBER_TYPES else 0.0,
             "track": v[4][1] if v[4][0] in NUMBER_TYPES else 0.0,
             "other": v[5][1] if v[5][0] in NUMBER_TYPES else 0.0,
             "fatal": trunc(v[6][1]) if v[6][0] in NUMBER_TYPES else 0,
             "injured": trunc(v[7][1]) if v[7][0] in NUMBER_TYPES else 0,
             "speed": v[8][1] if v[8][0] == xlrd.XL_CELL_TEXT else
             (str(trunc(v[8][1])) if v[8][0] in NUMBER_TYPES else ""),
             "railroad": v[9][1] if v[9][0] == xlrd.XL_CELL_TEXT else ""}
        rows.append(a)
        r += 1
    return rows


def cause_code(path, out):
    book = xlrd.open_workbook(path)
    if book.nsheets <= 3:
        return
    figures = book.sheet_by_index(3)
    kind, value = cell(figures, 0, 0)
    description = value if kind == xlrd.XL_CELL_TEXT else ""
    rows = [5, 4, 3, 8, 7, 6]
    cjk, sjk = [], []
    for t in range(6):
        kind, value = cell(figures, rows[t] - 1, 8)
        cjk.append(value if kind in NUMBER_TYPES else 0.0)
        kind, value = cell(figures, rows[t] - 1, 9)
        sjk.append(value if kind in NUMBER_TYPES else 0.0)
    bands = [accident_sheet(book.sheet_by_index(k)) for k in range(3)]
    title = os.path.splitext(os.path.basename(path))[0]
    out.append("cause-code\t%s\t%s" % (field(title), field(description)))
    for t in range(6):
        out.append("type\t%d\t%s\t%e\t%.2f" % (t, TYPE_NAMES[t], cjk[t], sjk[t]))
        letter = "C" if t < 3 else "D"
        for a in bands[t % 3]:
            if a["type"].strip().upper() != letter:
                continue
            texts = [a["report"], date_text(a["date"]), a["type"].strip(), str(trunc(a["eqpt"])),
                     str(trunc(a["track"])), str(trunc(a["other"])), str(a["fatal"]),
                     str(a["injured"]), a["speed"], a["railroad"]]
            out.append("row\t%d\t%s" % (t, "\t".join(field(x) for x in texts)))


def railroad(path, out):
    book = xlrd.open_workbook(path)
    kind, value = cell(book.sheet_by_index(0), 760, 4) if book.nsheets else (None, None)
    rb = "%.2f" % value if kind in NUMBER_TYPES else ""
    out.append("railroad\t%s\t%s" % (field(os.path.splitext(os.path.basename(path))[0]), rb))


def main():
    cause_dir = sys.argv[1] if len(sys.argv) > 1 else "Cause Code Excel"
    rail_dir = sys.argv[2] if len(sys.argv) > 2 else "RailRoad"
    out, skipped = [], []
    for path in workbooks(cause_dir):
        try:
            cause_code(path, out)
        except Exception as e:  # a damaged workbook is named and passed over
            skipped.append("skipped\t%s\t%s" % (field(path), field(str(e))))
    rail_lines = []
    for path in workbooks(rail_dir):
        try:
            railroad(path, rail_lines)
        except Exception as e:
            skipped.append("skipped\t%s\t%s" % (field(path), field(str(e))))
    sys.stdout.write("".join(line + "\n" for line in out + rail_lines + skipped))


if __name__ == "__main__":
    main()
