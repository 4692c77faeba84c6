#!/usr/bin/python3
"""Reads an .xlsx with openpyxl for the export tests.

  xlsx_dump.py dump FILE          prints the workbook as JSON on stdout
  xlsx_dump.py sum FILE OUT COL   copies FILE to OUT with a formula summing
                                  column COL (a letter) below its last row
"""
import json
import sys

import openpyxl


def dump(path):
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    rows = []
    for row in sheet.iter_rows():
        rows.append([{"type": c.data_type, "value": c.value, "format": c.number_format}
                     for c in row])
    widths = {}
    for letter, dim in sheet.column_dimensions.items():
        widths[letter] = dim.width
    json.dump({
        "sheets": book.sheetnames,
        "freeze": sheet.freeze_panes,
        "filter": sheet.auto_filter.ref,
        "max_row": sheet.max_row,
        "max_column": sheet.max_column,
        "header_bold": [bool(c.font.b) for c in sheet[1]],
        "widths": widths,
        "rows": rows,
    }, sys.stdout, ensure_ascii=False)


def add_sum(path, out, column):
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    last = sheet.max_row
    sheet["%s%d" % (column, last + 1)] = "=SUM(%s2:%s%d)" % (column, column, last)
    book.save(out)


if __name__ == "__main__":
    if sys.argv[1] == "dump":
        dump(sys.argv[2])
    elif sys.argv[1] == "sum":
        add_sum(sys.argv[2], sys.argv[3], sys.argv[4])
    else:
        sys.exit("unknown command " + sys.argv[1])
