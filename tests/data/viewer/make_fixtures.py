#!/usr/bin/python3
"""Makes the small workbooks the viewer tests read.

Run with Debian's python (python3-xlwt, python3-openpyxl):
    /usr/bin/python3 tests/data/viewer/make_fixtures.py
The tests read the committed files and never run this script.
"""
import datetime
import os
import shutil

import openpyxl
import xlwt

HERE = os.path.dirname(os.path.abspath(__file__))
HEADINGS = ["Report No", "Date", "Type", "Eqpt Damage", "Track Damage", "Other Losses",
            "Fatalities", "Injuries", "Speed", "Railroad"]
FIXED_TIME = datetime.datetime(2020, 1, 1)

XLS_DATE = xlwt.easyxf(num_format_str="MM/DD/YYYY")
XLS_DATETIME = xlwt.easyxf(num_format_str="MM/DD/YYYY HH:MM")


def xls_write(sheet, row, col, value):
    """Writes one cell; datetimes become date-formatted day numbers, tuples (number, 'date')
    a date-formatted raw day number."""
    if isinstance(value, tuple):
        sheet.write(row, col, value[0], XLS_DATE)
    elif isinstance(value, datetime.datetime):
        sheet.write(row, col, value, XLS_DATETIME if value.hour else XLS_DATE)
    elif value is not None:
        sheet.write(row, col, value)


def xlsx_write(sheet, row, col, value):
    if value is None:
        return
    if isinstance(value, tuple):
        cell = sheet.cell(row=row + 1, column=col + 1, value=value[0])
        cell.number_format = "mm/dd/yyyy"
    else:
        cell = sheet.cell(row=row + 1, column=col + 1, value=value)
        if isinstance(value, datetime.datetime):
            cell.number_format = "mm/dd/yyyy hh:mm" if value.hour else "mm/dd/yyyy"


def save_xls(path, sheets):
    """sheets: list of (name, {(row, col): value})"""
    book = xlwt.Workbook(encoding="utf-8")
    for name, cells in sheets:
        sheet = book.add_sheet(name)
        for (row, col), value in sorted(cells.items()):
            xls_write(sheet, row, col, value)
    book.save(path)


def save_xlsx(path, sheets):
    book = openpyxl.Workbook()
    book.remove(book.active)
    book.properties.created = FIXED_TIME
    book.properties.modified = FIXED_TIME
    for name, cells in sheets:
        sheet = book.create_sheet(name)
        for (row, col), value in sorted(cells.items()):
            xlsx_write(sheet, row, col, value)
    book.save(path)


def accident_sheet(rows, first_row=1):
    cells = {(0, c): h for c, h in enumerate(HEADINGS)}
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            cells[(first_row + r, c)] = value
    return cells


def figures_sheet(description, cjk, sjk):
    """cjk, sjk: six values by accident type index (LSC, MSC, HSC, LSD, MSD, HSD)."""
    cells = {(0, 0): description}
    # Rows 3..5 hold high, medium, low speed collision; rows 6..8 the derailments.
    rows = {2: 2, 1: 3, 0: 4, 5: 5, 4: 6, 3: 7}
    for index, row in rows.items():
        if cjk[index] is not None:
            cells[(row, 8)] = cjk[index]
        if sjk[index] is not None:
            cells[(row, 9)] = sjk[index]
    return cells


def scan_folders():
    base = os.path.join(HERE, "scan")
    shutil.rmtree(base, ignore_errors=True)
    cause = os.path.join(base, "Cause Code Excel")
    rail = os.path.join(base, "RailRoad")
    os.makedirs(cause)
    os.makedirs(rail)

    # H401.xls: the fully checked cause code.
    low = [
        ["R-100", datetime.datetime(2008, 1, 1), "C", 1234.99, 500.0, 0.0, 2.7, 3, 45.9, "BNSF"],
        [7001, datetime.datetime(2008, 1, 2), " d ", 100.0, 200.0, 300.0, 0, 1, " 30 mph ", "UP"],
        ["R-102", (60, "date"), "D", 10.0, 20.0, 30.0, 1, 0, "12", "CSX"],
        ["R-103", (39448.75, "date"), "X", 1.0, 2.0, 3.0, 0, 0, 5, "NS"],
        ["R-104", 59, "c", 99.5, 0.0, 0.0, 0, 0, 7, "BNSF"],
    ]
    medium = [
        ["M-1", datetime.datetime(2010, 6, 30), "C", 5000.0, 0.0, 0.0, 0, 0, 25, "UP"],
        ["M-2", datetime.datetime(2011, 2, 3), "D", 6000.0, 0.0, 0.0, 0, 2, 30, "UP"],
    ]
    high = [
        ["H-1", datetime.datetime(2012, 12, 31), "D", 70000.0, 1.0, 2.0, 4, 5, 79.99, "CSX"],
    ]
    save_xls(os.path.join(cause, "H401.xls"), [
        ("Low", accident_sheet(low)),
        ("Medium", accident_sheet(medium)),
        ("High", accident_sheet(high)),
        ("Figures", figures_sheet("Track geometry defects\nWide gauge\nOther",
                                  [1.5e-4, 2.5e-4, 3.5e-4, 4.5e-4, 5.5e-4, 6.5e-4],
                                  [1000.0, 2000.5, 3000.25, 4000.0, 5000.0, 6000.0])),
    ])

    # T110.XLSX: the upper-case extension, text in I3, an empty A2 on sheet 2.
    low = [
        ["T-1", datetime.datetime(2008, 1, 1, 18, 0), "D", 1.5, 2.5, 3.5, 1, 2, "40", "Amtrak"],
    ]
    medium = [
        [None, None, None, None],
        ["T-3", datetime.datetime(2009, 1, 1), "C", 1.0, 1.0, 1.0, 0, 0, 10, "Amtrak"],
    ]
    save_xlsx(os.path.join(cause, "T110.XLSX"), [
        ("Low", accident_sheet(low)),
        ("Medium", accident_sheet(medium)),
        ("High", accident_sheet([])),
        ("Figures", figures_sheet("Broken rail", [1e-3, 2e-3, "n/a", 4e-3, 5e-3, 6e-3],
                                  [10.0, 20.0, 30.0, 40.0, 50.0, 60.0])),
    ])
    # Z999.xls: only three sheets, so no record.
    save_xls(os.path.join(cause, "Z999.xls"), [
        ("Low", accident_sheet(low)), ("Medium", {}), ("High", {})])

    with open(os.path.join(cause, "readme.txt"), "w") as f:
        f.write("not a workbook\n")

    save_xls(os.path.join(rail, "BNSF.xls"), [("Costs", {(760, 4): 1234.5678, (0, 0): "BNSF"})])
    save_xlsx(os.path.join(rail, "UP.xlsx"), [("Costs", {(760, 4): "unknown"})])


def cells_workbooks():
    """Sheet 1 holds one kind of cell per row of column A; sheet 2 is empty."""
    cells = {
        (0, 0): "Zürich text",
        (1, 0): 7,
        (2, 0): 2.5,
        (3, 0): datetime.datetime(2008, 1, 1),
        (4, 0): datetime.datetime(2008, 1, 1, 18, 0),
        (5, 0): (60, "date"),
        (6, 0): (59, "date"),
        (7, 0): (61, "date"),
        # row 8 empty
        (9, 0): "  blanks  ",
        (10, 0): "line one\nline two",
        (11, 0): -3.25,
    }
    save_xls(os.path.join(HERE, "cells.xls"), [("One", cells), ("Two", {})])
    save_xlsx(os.path.join(HERE, "cells.xlsx"), [("One", cells), ("Two", {})])


def broken_folders():
    base = os.path.join(HERE, "broken")
    shutil.rmtree(base, ignore_errors=True)
    cause = os.path.join(base, "Cause Code Excel")
    os.makedirs(cause)
    good = os.path.join(HERE, "scan", "Cause Code Excel", "H401.xls")
    shutil.copy(good, os.path.join(cause, "A100.xls"))
    with open(good, "rb") as f:
        data = f.read()
    with open(os.path.join(cause, "B200.xls"), "wb") as f:
        f.write(data[:len(data) // 3])
    good = os.path.join(HERE, "scan", "Cause Code Excel", "T110.XLSX")
    with open(good, "rb") as f:
        data = f.read()
    with open(os.path.join(cause, "C300.xlsx"), "wb") as f:
        f.write(data[:len(data) // 2])
    with open(os.path.join(cause, "D400.xls"), "wb") as f:
        f.write(b"this is plain text, not a workbook\n")


def long_strings_workbook():
    """Enough text that the shared strings run over several records, with strings cut at the
    record boundaries in 8-bit and 16-bit form; row k of column A holds long_string(k)."""
    sheet = {}
    for k in range(1500):
        sheet[(k, 0)] = long_string(k)
    sheet[(0, 1)] = "\u00e9" * 9000  # one string longer than a record
    sheet[(1, 1)] = "a" * 9000
    save_xls(os.path.join(HERE, "long_strings.xls"), [("Strings", sheet)])
    with open(os.path.join(HERE, "long_strings.xls"), "rb") as f:
        data = f.read()
    with open(os.path.join(HERE, "truncated_late.xls"), "wb") as f:
        f.write(data[:len(data) * 9 // 10])


def long_string(k):
    # Mostly 8-bit, every seventh with a character that needs 16 bits.
    text = "Text %04d " % k + "x" * (k % 23)
    return text + "\u0141" if k % 7 == 0 else text


def handmade_xlsx():
    """Cell forms openpyxl does not write: inline and rich strings, ISO date cells, truth and
    error values, a formula never calculated, escaped characters, cells without references,
    a prefixed namespace and a 1904 workbook."""
    import zipfile
    content_types = (
        '<?xml version="1.0" encoding="UTF-8"?>'
        '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
        '<Default Extension="xml" ContentType="application/xml"/>'
        '<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
        '<Override PartName="/xl/worksheets/s1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
        '<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>'
        '</Types>')
    rels = (
        '<?xml version="1.0" encoding="UTF-8"?>'
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>'
        '</Relationships>')
    workbook = (
        '<?xml version="1.0" encoding="UTF-8"?>'
        '<x:workbook xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
        'xmlns:rel="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
        '<x:sheets><x:sheet name="Only" sheetId="1" rel:id="rIdSheet"/></x:sheets></x:workbook>')
    workbook_rels = (
        '<?xml version="1.0" encoding="UTF-8"?>'
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        '<Relationship Id="rIdSheet" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/s1.xml"/>'
        '<Relationship Id="rIdS" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>'
        '</Relationships>')
    shared = (
        '<?xml version="1.0" encoding="UTF-8"?>'
        '<x:sst xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="2" uniqueCount="2">'
        '<x:si><x:r><x:t>Rich </x:t></x:r><x:r><x:rPr><x:b/></x:rPr><x:t xml:space="preserve">text </x:t></x:r>'
        '<x:rPh sb="0" eb="1"><x:t>hint</x:t></x:rPh></x:si>'
        '<x:si><x:t xml:space="preserve">   </x:t></x:si>'
        '</x:sst>')
    sheet = (
        '<?xml version="1.0" encoding="UTF-8"?>'
        '<x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><x:sheetData>'
        '<x:row r="1"><x:c r="A1" t="s"><x:v>0</x:v></x:c><x:c t="s"><x:v>1</x:v></x:c></x:row>'
        '<x:row r="2"><x:c r="A2" t="inlineStr"><x:is><x:t>inline_x000D_</x:t></x:is></x:c></x:row>'
        '<x:row r="3"><x:c r="A3" t="d"><x:v>2008-01-01T18:00:00</x:v></x:c></x:row>'
        '<x:row r="4"><x:c r="A4" t="b"><x:v>1</x:v></x:c></x:row>'
        '<x:row r="5"><x:c r="A5" t="e"><x:v>#DIV/0!</x:v></x:c></x:row>'
        '<x:row r="6"><x:c r="A6"><x:f>1+1</x:f></x:c></x:row>'
        '<x:row r="7"><x:c r="A7" t="str"><x:f>"a"&amp;"b"</x:f><x:v>ab</x:v></x:c></x:row>'
        '<x:row><x:c r="A8"><x:v>1.5E-3</x:v></x:c></x:row>'
        '<x:row r="761"><x:c r="E761"><x:v>42</x:v></x:c></x:row>'
        '</x:sheetData></x:worksheet>')
    path = os.path.join(HERE, "handmade.xlsx")
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, text in [("[Content_Types].xml", content_types), ("_rels/.rels", rels),
                           ("xl/workbook.xml", workbook),
                           ("xl/_rels/workbook.xml.rels", workbook_rels),
                           ("xl/sharedStrings.xml", shared), ("xl/worksheets/s1.xml", sheet)]:
            info = zipfile.ZipInfo(name, date_time=(2020, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, text)


if __name__ == "__main__":
    scan_folders()
    cells_workbooks()
    broken_folders()
    long_strings_workbook()
    handmade_xlsx()
