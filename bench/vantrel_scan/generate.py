#!/usr/bin/python3
"""Writes the benchmark folders: DIR/Cause Code Excel (500 cause-code workbooks, three accident
sheets of 100 rows and a figures sheet each) and DIR/RailRoad (100 railroad workbooks).

Usage: /usr/bin/python3 generate.py DIR [CAUSE_CODES RAILROADS]   (Debian's python3-xlwt)
"""
import datetime
import os
import random
import sys

import xlwt

HEADINGS = ["Report No", "Date", "Type", "Eqpt Damage", "Track Damage", "Other Losses",
            "Fatalities", "Injuries", "Speed", "Railroad"]
RAILROADS = ["BNSF", "UP", "CSX", "NS", "KCS", "CN", "CP", "Amtrak"]
DATE = xlwt.easyxf(num_format_str="MM/DD/YYYY")


def accident_sheet(book, name, rnd, band):
    sheet = book.add_sheet(name)
    for c, h in enumerate(HEADINGS):
        sheet.write(0, c, h)
    low, high = band
    for r in range(1, 101):
        if rnd.random() < 0.05:
            sheet.write(r, 0, rnd.randint(1000, 9999))  # numeric report numbers happen
        else:
            sheet.write(r, 0, "R%06d" % rnd.randint(0, 999999))
        day = datetime.date(1975, 1, 1) + datetime.timedelta(days=rnd.randint(0, 12000))
        sheet.write(r, 1, datetime.datetime(day.year, day.month, day.day), DATE)
        sheet.write(r, 2, rnd.choice(["C", "D", "D", " d ", "c", "X"]))
        sheet.write(r, 3, round(rnd.uniform(0, 2e6), 2))
        sheet.write(r, 4, round(rnd.uniform(0, 5e5), 2))
        sheet.write(r, 5, round(rnd.uniform(0, 1e5), 2))
        sheet.write(r, 6, rnd.choice([0, 0, 0, 1, 2]))
        sheet.write(r, 7, rnd.randint(0, 20))
        if rnd.random() < 0.1:
            sheet.write(r, 8, " %d mph " % rnd.randint(low, high))
        else:
            sheet.write(r, 8, round(rnd.uniform(low, high), 1))
        sheet.write(r, 9, rnd.choice(RAILROADS))


def cause_code_workbook(path, rnd, code):
    book = xlwt.Workbook(encoding="utf-8")
    accident_sheet(book, "Low", rnd, (1, 25))
    accident_sheet(book, "Medium", rnd, (26, 50))
    accident_sheet(book, "High", rnd, (51, 90))
    figures = book.add_sheet("Figures")
    figures.write(0, 0, "Cause %s\nGenerated for the benchmark\nThird line" % code)
    for row in range(2, 8):
        figures.write(row, 8, rnd.uniform(1e-6, 1e-2))
        figures.write(row, 9, round(rnd.uniform(1e3, 1e6), 2))
    book.save(path)


def railroad_workbook(path, rnd):
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Costs")
    for r in range(0, 760, 20):
        sheet.write(r, 0, "Line item %d" % r)
        sheet.write(r, 4, round(rnd.uniform(0, 1e4), 2))
    sheet.write(760, 4, round(rnd.uniform(1e3, 1e5), 2))
    book.save(path)


def main():
    target = sys.argv[1]
    causes = int(sys.argv[2]) if len(sys.argv) > 2 else 500
    railroads = int(sys.argv[3]) if len(sys.argv) > 3 else 100
    rnd = random.Random(1234)
    cause_dir = os.path.join(target, "Cause Code Excel")
    rail_dir = os.path.join(target, "RailRoad")
    os.makedirs(cause_dir, exist_ok=True)
    os.makedirs(rail_dir, exist_ok=True)
    for k in range(causes):
        code = "C%03d" % k
        cause_code_workbook(os.path.join(cause_dir, code + ".xls"), rnd, code)
    for k in range(railroads):
        railroad_workbook(os.path.join(rail_dir, "RR%03d.xls" % k), rnd)


if __name__ == "__main__":
    main()
