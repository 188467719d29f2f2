# A template or workbook whose compressed part does not match its checksum is
# refused, naming the file, and no workbook is written from it.


# Flips one byte in the middle of a part's compressed bytes.
flip() {
    python3 - "$1" "$2" <<'PY'
import struct, sys, zipfile
path, part = sys.argv[1], sys.argv[2]
info = zipfile.ZipFile(path).getinfo(part)
data = bytearray(open(path, "rb").read())
name_length, extra_length = struct.unpack("<HH", data[info.header_offset + 26:info.header_offset + 30])
at = info.header_offset + 30 + name_length + extra_length + info.compress_size // 2
data[at] ^= 0x01
open(path, "wb").write(bytes(data))
PY
}

sound() { unzip -tq "$1" > /dev/null; }

# The data folder with the four view pictures the workbooks take.
captured() { settle && (cd "$SANDBOX/work" && "$CLI" capture > /dev/null 2>&1); }

for part in xl/workbook.xml xl/worksheets/sheet1.xml; do
    fresh_data
    captured
    flip "$DATA/ORVALIS.xlsx" "$part"
    snapshot
    cli "ORVALIS.xlsx with $part damaged" 1 sheet --folder "$OUT" --prefix T
    says "$DATA/ORVALIS.xlsx"
    says "손상"
    absent "$OUT/T.xlsx"
    unchanged
done

fresh_data
captured
flip "$DATA/IMAGE.xlsx" "[Content_Types].xml"
snapshot
cli "IMAGE.xlsx with [Content_Types].xml damaged" 1 pictures --folder "$OUT"
says "$DATA/IMAGE.xlsx"
absent "$OUT/IMAGE.xlsx"
unchanged

# compare: a sheet damaged after it was written is refused, naming it.
fresh_data
captured
cli "a sound sheet to compare with" 0 sheet --folder "$OUT" --prefix T
check "the sheet written is sound" sound "$OUT/T.xlsx"
cp "$OUT/T.xlsx" "$OUT/damaged.xlsx"
flip "$OUT/damaged.xlsx" xl/drawings/drawing1.xml
snapshot
cli "compare with a damaged sheet" 1 compare "$OUT/T.xlsx" "$OUT/damaged.xlsx"
says "$OUT/damaged.xlsx"
says "손상"
unchanged

# A damaged sheet in the way is replaced with --force, without marks, and
# the user is told why.
fresh_data
captured
cli "a sheet to damage" 0 sheet --folder "$OUT" --prefix T
flip "$OUT/T.xlsx" xl/workbook.xml
cli "sheet --force over a damaged sheet" 0 sheet --folder "$OUT" --prefix T --force
says "손상"
check "the new sheet is sound" sound "$OUT/T.xlsx"
