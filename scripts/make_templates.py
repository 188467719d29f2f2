#!/usr/bin/env python3
"""Builds the two workbook templates of the data folder.

    scripts/make_templates.py [OUTPUT_FOLDER]      (default: data/ of the source tree)

data/ORVALIS.xlsx  the setup sheet ("작업 지시서"): header, four view pictures,
                   toolpath table, continued on a second page.
data/IMAGE.xlsx    the picture workbook: the four views with item and part name.

The writers fill fixed cells of these templates, so the cell map below must
not move: first page C2 company, M2 work offset, C3 item, M3 part name, D33
file location, pictures anchored at B5, L5, B8, L8 (+30/+40 points to the
right), toolpaths in rows 12 to 30 (headings in row 11) in the columns A D F G
H I J M N O P R, totals in D34 (caption "총 가공시간" in A34) and J34
("공구 수" in G34), removed toolpaths listed in A36; second page C2, K2, C3,
K3, toolpaths in rows 6 to 46 (headings in row 5) in A D F G H I J K L M N P,
file location in D47 (caption "파일 위치" in A47; the writer finds it by the
caption, and a template without one has it in C41), removed toolpaths listed
in A48. Picture workbook: item C1,
part name B4, pictures at E1, G1, E12, G12 (+5 right, +25 down), 300 x 200.

Column widths and row heights are chosen so that four pictures of 300 x 200
points sit inside their frames without touching each other or the table.
The output is the same on every run (fixed zip dates and order), so a change
shows up as a change of the committed files.

Standard library only.
"""

import pathlib
import sys
import zipfile
from xml.sax.saxutils import escape

FONT_NAME = "맑은 고딕"  # Korean Excel's default; falls back to any Hangul gothic
DIGIT_WIDTH = 8  # pixels of its widest digit at 11 points, the unit of column widths
DEFAULT_ROW_HEIGHT = 16.5

MAIN_NS = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
REL_NS = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PACKAGE_REL_NS = "http://schemas.openxmlformats.org/package/2006/relationships"
DECLARATION = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'

LABEL_FILL = "FFDDEBF7"


# ---------------------------------------------------------------- addresses

def column_number(letters):
    number = 0
    for letter in letters:
        number = number * 26 + ord(letter) - ord("A") + 1
    return number


def column_letters(number):
    letters = ""
    while number:
        number, rest = divmod(number - 1, 26)
        letters = chr(ord("A") + rest) + letters
    return letters


def split_cell(cell):
    letters = cell.rstrip("0123456789")
    return column_number(letters), int(cell[len(letters):])


def cells_of(cell_range):
    """Every (column, row) of "A1:C3", row by row."""
    first, _, last = cell_range.partition(":")
    c1, r1 = split_cell(first)
    c2, r2 = split_cell(last or first)
    return [(c, r) for r in range(r1, r2 + 1) for c in range(c1, c2 + 1)]


def stored_width(points):
    """The stored column width that the spreadsheet shows as `points` wide."""
    pixels = points / 0.75
    assert pixels == int(pixels), f"{points} pt is no whole number of pixels"
    return int(pixels) / DIGIT_WIDTH


# ---------------------------------------------------------------- styles

class Styles:
    """Fonts, fills, borders and cell formats, each stored once."""

    def __init__(self):
        self.fonts = [self._font(11, False)]
        self.fills = ['<fill><patternFill patternType="none"/></fill>',
                      '<fill><patternFill patternType="gray125"/></fill>']
        self.borders = [self._border({})]
        self.formats = ['<xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>']

    @staticmethod
    def _font(size, bold):
        return (f'<font>{"<b/>" if bold else ""}<sz val="{size:g}"/><color rgb="FF000000"/>'
                f'<name val="{FONT_NAME}"/><family val="3"/><charset val="129"/></font>')

    @staticmethod
    def _border(sides):
        parts = []
        for side in ("left", "right", "top", "bottom"):
            style = sides.get(side)
            parts.append(f'<{side} style="{style}"><color rgb="FF000000"/></{side}>' if style
                         else f"<{side}/>")
        return "<border>" + "".join(parts) + "<diagonal/></border>"

    @staticmethod
    def _index(items, item):
        if item not in items:
            items.append(item)
        return items.index(item)

    def format(self, size=11, bold=False, fill=None, sides=None, horizontal=None,
               vertical="center", wrap=False, shrink=False, indent=0):
        font = self._index(self.fonts, self._font(size, bold))
        fill_id = 0
        if fill:
            fill_id = self._index(self.fills, '<fill><patternFill patternType="solid">'
                                  f'<fgColor rgb="{fill}"/><bgColor indexed="64"/>'
                                  '</patternFill></fill>')
        border = self._index(self.borders, self._border(sides or {}))
        alignment = f' vertical="{vertical}"'
        if horizontal:
            alignment = f' horizontal="{horizontal}"' + alignment
        if indent:
            alignment += f' indent="{indent}"'
        if wrap:
            alignment += ' wrapText="1"'
        if shrink:
            alignment += ' shrinkToFit="1"'
        xf = (f'<xf numFmtId="0" fontId="{font}" fillId="{fill_id}" borderId="{border}" xfId="0"'
              ' applyFont="1" applyFill="1" applyBorder="1" applyAlignment="1">'
              f'<alignment{alignment}/></xf>')
        return self._index(self.formats, xf)

    def xml(self):
        def listing(tag, items):
            return f'<{tag} count="{len(items)}">' + "".join(items) + f"</{tag}>"
        return (DECLARATION + f'<styleSheet xmlns="{MAIN_NS}">'
                + listing("fonts", self.fonts) + listing("fills", self.fills)
                + listing("borders", self.borders)
                + '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/>'
                  '</cellStyleXfs>'
                + listing("cellXfs", self.formats)
                + '<cellStyles count="1"><cellStyle name="표준" xfId="0" builtinId="0"/>'
                  '</cellStyles><dxfs count="0"/>'
                  '<tableStyles count="0" defaultTableStyle="TableStyleMedium2"'
                  ' defaultPivotStyle="PivotStyleLight16"/></styleSheet>')


class SharedStrings:
    def __init__(self):
        self.texts = []
        self.references = 0  # cells that use a string: the sst's count

    def index(self, text):
        self.references += 1
        if text not in self.texts:
            self.texts.append(text)
        return self.texts.index(text)

    def xml(self):
        items = "".join(f"<si><t>{escape(text)}</t></si>" for text in self.texts)
        return (DECLARATION + f'<sst xmlns="{MAIN_NS}" count="{self.references}"'
                f' uniqueCount="{len(self.texts)}">{items}</sst>')


# ---------------------------------------------------------------- sheets

THIN = "thin"
MEDIUM = "medium"


class Sheet:
    def __init__(self, name, styles, strings, widths, heights, print_area, landscape=False):
        self.name = name
        self.styles = styles
        self.strings = strings
        self.widths = widths  # {letters: points}
        self.heights = heights  # {row: points}
        self.print_area = print_area
        self.landscape = landscape
        self.cells = {}  # (column, row) -> [text or None, format]
        self.merges = []

    def style(self, cell_range, **format_args):
        for column, row in cells_of(cell_range):
            self.cells[(column, row)] = [self.cells.get((column, row), [None])[0],
                                         self.styles.format(**format_args)]

    def text(self, cell, text):
        self.cells.setdefault(split_cell(cell), [None, 0])[0] = text

    def merge(self, cell_range):
        first, _, last = cell_range.partition(":")
        assert last and last != first, "the spreadsheet repairs a merge of one cell"
        assert cell_range not in self.merges, "the spreadsheet repairs a range merged twice"
        self.merges.append(cell_range)

    def box(self, cell_range, text=None, merge=True, border=THIN, **format_args):
        """A merged range with a border all round, every cell styled alike."""
        self.style(cell_range, sides=dict(left=border, right=border, top=border, bottom=border),
                   **format_args)
        first, _, last = cell_range.partition(":")
        if merge and last and last != first:
            self.merge(cell_range)
        if text is not None:
            self.text(cell_range.split(":")[0], text)

    def frame(self, cell_range, border=MEDIUM):
        """A border round the outside of a range; the cells inside stay open."""
        first, last = cell_range.split(":")
        c1, r1 = split_cell(first)
        c2, r2 = split_cell(last)
        for column, row in cells_of(cell_range):
            sides = {}
            if column == c1:
                sides["left"] = border
            if column == c2:
                sides["right"] = border
            if row == r1:
                sides["top"] = border
            if row == r2:
                sides["bottom"] = border
            self.cells[(column, row)] = [self.cells.get((column, row), [None])[0],
                                         self.styles.format(sides=sides)]

    def xml(self, selected):
        last_column = max(column_number(letters) for letters in self.widths)
        last_row = max(self.heights)
        rows = []
        for row in range(1, last_row + 1):
            cells = []
            for column in range(1, last_column + 1):
                if (column, row) not in self.cells:
                    continue
                text, format_id = self.cells[(column, row)]
                address = f"{column_letters(column)}{row}"
                if text is None:
                    cells.append(f'<c r="{address}" s="{format_id}"/>')
                else:
                    cells.append(f'<c r="{address}" s="{format_id}" t="s">'
                                 f"<v>{self.strings.index(text)}</v></c>")
            rows.append(f'<row r="{row}" ht="{self.heights[row]:g}" customHeight="1">'
                        + "".join(cells) + "</row>")
        columns = "".join(
            f'<col min="{column_number(letters)}" max="{column_number(letters)}"'
            f' width="{stored_width(points):g}" customWidth="1"/>'
            for letters, points in sorted(self.widths.items(),
                                          key=lambda item: column_number(item[0])))
        merges = "".join(f'<mergeCell ref="{cell_range}"/>' for cell_range in self.merges)
        orientation = "landscape" if self.landscape else "portrait"
        return (DECLARATION + f'<worksheet xmlns="{MAIN_NS}" xmlns:r="{REL_NS}">'
                '<sheetPr><pageSetUpPr fitToPage="1"/></sheetPr>'
                f'<dimension ref="A1:{column_letters(last_column)}{last_row}"/>'
                '<sheetViews><sheetView showGridLines="0"'
                + (' tabSelected="1"' if selected else "")
                + ' workbookViewId="0"><selection activeCell="A1" sqref="A1"/></sheetView>'
                f'</sheetViews><sheetFormatPr defaultRowHeight="{DEFAULT_ROW_HEIGHT:g}"/>'
                f"<cols>{columns}</cols><sheetData>{''.join(rows)}</sheetData>"
                f'<mergeCells count="{len(self.merges)}">{merges}</mergeCells>'
                '<printOptions horizontalCentered="1"/>'
                '<pageMargins left="0.4" right="0.4" top="0.5" bottom="0.5" header="0.3"'
                ' footer="0.3"/>'
                f'<pageSetup paperSize="9" orientation="{orientation}" fitToWidth="1"'
                ' fitToHeight="1"/></worksheet>')


# ---------------------------------------------------------------- the setup sheet

TITLE = dict(size=20, bold=True, horizontal="center")
LABEL = dict(size=10, bold=True, fill=LABEL_FILL, horizontal="center")
VALUE = dict(size=10, horizontal="left", indent=1, shrink=True)
HEADING = dict(size=9, bold=True, fill=LABEL_FILL, horizontal="center", wrap=True)
BODY = dict(size=9, horizontal="center", shrink=True)

# Toolpath table: heading, the merged columns of each field, per page.
FIRST_PAGE_TABLE = [("NC 이름", "A", "C"), ("공구", "D", "E"), ("여유량", "F", "F"),
                    ("스텝다운", "G", "G"), ("스텝오버", "H", "H"), ("최저점", "I", "I"),
                    ("가공시간", "J", "L"), ("공구길이", "M", "M"), ("샹크길이", "N", "N"),
                    ("홀더길이", "O", "O"), ("홀더경", "P", "Q"), ("절삭타입", "R", "R")]
SECOND_PAGE_TABLE = [("NC 이름", "A", "C"), ("공구", "D", "E"), ("여유량", "F", "F"),
                     ("스텝다운", "G", "G"), ("스텝오버", "H", "H"), ("최저점", "I", "I"),
                     ("가공시간", "J", "J"), ("공구길이", "K", "K"), ("샹크길이", "L", "L"),
                     ("홀더길이", "M", "M"), ("홀더경", "N", "O"), ("절삭타입", "P", "P")]


def table(sheet, columns, heading_row, rows):
    """The headings in heading_row, then a bordered box for each field of each row."""
    for heading, first, last in columns:
        sheet.box(f"{first}{heading_row}:{last}{heading_row}", heading, **HEADING)
        for row in rows:
            sheet.box(f"{first}{row}:{last}{row}", **BODY)


def in_row(columns, row):
    """"A:B" in row 2 is "A2:B2"; "J" is "J2"."""
    return ":".join(f"{letters}{row}" for letters in columns.split(":"))


def header(sheet, title, last, left_label, left_value, right_label, right_value):
    """The title, then company and work offset in row 2, item and part name in row 3;
    the arguments are the column spans of the labels and the value boxes."""
    sheet.style(f"A1:{last}1", sides=dict(bottom="double"), **TITLE)
    sheet.merge(f"A1:{last}1")
    sheet.text("A1", title)
    for row, (left, right) in ((2, ("회사명", "좌 표")), (3, ("품  명", "부품명"))):
        sheet.box(in_row(left_label, row), left, **LABEL)
        sheet.box(in_row(left_value, row), **VALUE)
        sheet.box(in_row(right_label, row), right, **LABEL)
        sheet.box(in_row(right_value, row), **VALUE)


def note(sheet, cell_range):
    """The row below a page's table where a replacing sheet lists the
    toolpaths that disappeared; empty in the template."""
    sheet.style(cell_range, size=10, horizontal="left", vertical="top", wrap=True, indent=1)
    sheet.merge(cell_range)


def first_page(styles, strings):
    widths = dict(A=48, B=18, C=30, D=54, E=18, F=40.5, G=40.5, H=40.5, I=40.5, J=33, K=15,
                  L=15, M=57, N=57, O=57, P=42, Q=15, R=114)
    heights = {1: 36, 2: 24, 3: 24, 4: 6, 11: 30, 31: 6, 32: 6, 33: 24, 34: 24, 35: 6, 36: 30}
    heights.update({row: 72 for row in range(5, 11)})  # two rows of pictures, 216 pt each
    heights.update({row: 19.5 for row in range(12, 31)})
    sheet = Sheet("작업지시서", styles, strings, widths, heights, "$A$1:$R$36")
    # C2 company, M2 work offset, C3 item, M3 part name.
    header(sheet, "작업 지시서", "R", "A:B", "C:I", "J:L", "M:R")
    sheet.frame("A5:R10")
    table(sheet, FIRST_PAGE_TABLE, 11, range(12, 31))
    sheet.box("A33:C33", "파일 위치", **LABEL)
    sheet.box("D33:R33", **VALUE)  # file location
    sheet.box("A34:C34", "총 가공시간", **LABEL)
    sheet.box("D34:F34", **VALUE)  # total machining time
    sheet.box("G34:I34", "공구 수", **LABEL)
    sheet.box("J34:L34", **VALUE)  # number of distinct tools
    sheet.box("M34:R34", **VALUE)
    note(sheet, "A36:R36")
    return sheet


def second_page(styles, strings):
    widths = dict(A=36, B=42, C=18, D=54, E=18, F=40.5, G=40.5, H=40.5, I=40.5, J=66, K=57,
                  L=57, M=57, N=42, O=15, P=114)
    heights = {1: 36, 2: 24, 3: 24, 4: 6, 5: 30, 47: 24, 48: 30}
    heights.update({row: 19.5 for row in range(6, 47)})
    sheet = Sheet("작업지시서 (2)", styles, strings, widths, heights, "$A$1:$P$48")
    # C2 company, K2 work offset, C3 item, K3 part name.
    header(sheet, "작업 지시서 (계속)", "P", "A:B", "C:I", "J", "K:P")
    # Toolpaths 20 to 60, one bordered table; the file location stands below
    # it, where the writer finds it by its caption.
    table(sheet, SECOND_PAGE_TABLE, 5, range(6, 47))
    sheet.box("A47:C47", "파일 위치", **LABEL)
    sheet.box("D47:P47", **VALUE)  # file location
    note(sheet, "A48:P48")
    return sheet


# ---------------------------------------------------------------- the picture workbook

def picture_page(styles, strings):
    widths = dict(A=42, B=48, C=48, D=48, E=150, F=162, G=150, H=168)
    heights = {1: 24, 2: 6, 3: 6, 4: 24, 12: 24}
    heights.update({row: 25.5 for row in range(5, 12)})
    heights.update({row: 21.75 for row in range(13, 23)})
    sheet = Sheet("그림", styles, strings, widths, heights, "$A$1:$H$22", landscape=True)
    sheet.box("A1:B1", "품  명", **LABEL)
    sheet.box("C1:D1", **VALUE)  # item
    sheet.box("A4", "부품명", **LABEL)
    sheet.box("B4:D4", **VALUE)  # part name
    sheet.box("A6:D6", "메모", **LABEL)
    sheet.box("A7:D22", size=10, horizontal="left", vertical="top", wrap=True)
    for cell_range, caption in (("E1:F11", "TOP"), ("G1:H11", "ISO"), ("E12:F22", "FRONT"),
                                ("G12:H22", "RIGHT")):
        sheet.frame(cell_range)
        first = cell_range.split(":")[0]
        column, row = split_cell(first)
        sides = dict(top=MEDIUM, left=MEDIUM if column in (5, 7) else None)
        sheet.style(first, size=10, bold=True, horizontal="left", indent=1,
                    sides={k: v for k, v in sides.items() if v})
        sheet.text(first, caption)
    return sheet


# ---------------------------------------------------------------- packages

def workbook_xml(sheets):
    entries = "".join(f'<sheet name="{escape(sheet.name)}" sheetId="{i}" r:id="rId{i}"/>'
                      for i, sheet in enumerate(sheets, 1))
    areas = "".join(f'<definedName name="_xlnm.Print_Area" localSheetId="{i}">'
                    f"'{escape(sheet.name)}'!{sheet.print_area}</definedName>"
                    for i, sheet in enumerate(sheets))
    return (DECLARATION + f'<workbook xmlns="{MAIN_NS}" xmlns:r="{REL_NS}">'
            '<bookViews><workbookView xWindow="0" yWindow="0" windowWidth="19200"'
            ' windowHeight="11000" activeTab="0"/></bookViews>'
            f"<sheets>{entries}</sheets><definedNames>{areas}</definedNames></workbook>")


def relationships(targets):
    items = "".join(f'<Relationship Id="rId{i}" Type="{REL_NS}/{kind}" Target="{target}"/>'
                    for i, (kind, target) in enumerate(targets, 1))
    return DECLARATION + f'<Relationships xmlns="{PACKAGE_REL_NS}">{items}</Relationships>'


def content_types(sheet_count):
    kind = "application/vnd.openxmlformats-officedocument.spreadsheetml"
    sheets = "".join(f'<Override PartName="/xl/worksheets/sheet{i}.xml"'
                     f' ContentType="{kind}.worksheet+xml"/>' for i in range(1, sheet_count + 1))
    return (DECLARATION
            + '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="rels"'
            ' ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>'
            f'<Override PartName="/xl/workbook.xml" ContentType="{kind}.sheet.main+xml"/>'
            + sheets
            + f'<Override PartName="/xl/styles.xml" ContentType="{kind}.styles+xml"/>'
            f'<Override PartName="/xl/sharedStrings.xml" ContentType="{kind}.sharedStrings+xml"/>'
            "</Types>")


def write_package(path, make_sheets):
    styles = Styles()
    strings = SharedStrings()
    sheets = make_sheets(styles, strings)
    sheet_parts = [sheet.xml(selected=(i == 0)) for i, sheet in enumerate(sheets)]
    parts = [("[Content_Types].xml", content_types(len(sheets))),
             ("_rels/.rels", relationships([("officeDocument", "xl/workbook.xml")])),
             ("xl/workbook.xml", workbook_xml(sheets)),
             ("xl/_rels/workbook.xml.rels", relationships(
                 [("worksheet", f"worksheets/sheet{i}.xml") for i in range(1, len(sheets) + 1)]
                 + [("styles", "styles.xml"), ("sharedStrings", "sharedStrings.xml")]))]
    parts += [(f"xl/worksheets/sheet{i}.xml", xml) for i, xml in enumerate(sheet_parts, 1)]
    parts += [("xl/styles.xml", styles.xml()), ("xl/sharedStrings.xml", strings.xml())]
    with zipfile.ZipFile(path, "w") as package:
        for name, text in parts:
            entry = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
            entry.compress_type = zipfile.ZIP_DEFLATED
            package.writestr(entry, text.encode("utf-8"), compresslevel=9)


def main():
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else (
        pathlib.Path(__file__).resolve().parent.parent / "data")
    write_package(folder / "ORVALIS.xlsx",
                  lambda styles, strings: [first_page(styles, strings),
                                           second_page(styles, strings)])
    write_package(folder / "IMAGE.xlsx", lambda styles, strings: [picture_page(styles, strings)])


if __name__ == "__main__":
    main()
