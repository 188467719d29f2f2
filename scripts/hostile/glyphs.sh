# Damaged glyph files: the capture refuses, naming the file, before any label
# reaches the host; an empty one is healed at start and the labels come out
# right. The limits X -50..50, Y -40..40, Z -30..0 use the digits 0, 3, 4, 5.

LIMITS=-50,50,-40,40,-30,0

# The top view of an intact font, to compare the healed run's with.
fresh_data
settle
cli "capture with the shipped glyphs" 0 capture --limits "$LIMITS"
TOP_INTACT=$(sha256sum < "$IMAGE/Top.bmp")

damage() {
    local kind=$1 file=$FONT/$2
    rm -f "$file"
    case $kind in
        empty) : > "$file" ;;
        binary) head -c 600 "$repo/data/ORVALIS.xlsx" > "$file" ;;
        fifo) mkfifo "$file" ;;
        folder) mkdir "$file" ;;
        huge) truncate -s 17M "$file" ;;
        link) ln -s "../DAT FILE/그림DATA.DAT" "$file" ;;
        dangling) ln -s NO-SUCH-GLYPH.PIC "$file" ;;
        garbage) printf 'ORVALIS PATTERN 1\n0 0 0 1 x 1\n' > "$file" ;;
        header-only) printf 'ORVALIS PATTERN 1\n# nothing to draw\n' > "$file" ;;
        foreign) printf 'X+50\n' > "$file" ;;
    esac
}

refused() {
    local kind=$1 name=$2
    fresh_data
    settle
    damage "$kind" "$name"
    snapshot 2> /dev/null  # a dangling link has nothing to hash
    cli "$name $kind" 1 capture --limits "$LIMITS"
    says "$FONT/$name"
    sent_nothing_like "INSERT FILE|CREATE PATTERN|KEEP BITMAP"
    absent "$IMAGE/Top.bmp"
    unchanged 2> /dev/null
}

refused binary NUMBER-5.PIC
refused fifo X.PIC
refused folder NUMBER-0.PIC
refused huge H-MAX.PIC
refused link MINUS.pic
refused dangling PLUS.PIC
refused garbage TOP-View.PIC
refused header-only NUMBER-4.PIC
refused foreign Z.PIC
refused binary ISO-View.PIC

# Empty: healed at start with one warning, and the labels are drawn right.
fresh_data
settle
damage empty NUMBER-5.PIC
cli "NUMBER-5.PIC empty" 0 capture --limits "$LIMITS"
says "설치본으로 다시 채웠습니다: $FONT/NUMBER-5.PIC"
check "NUMBER-5.PIC empty: the top view shows the right labels" \
    test "$(sha256sum < "$IMAGE/Top.bmp")" = "$TOP_INTACT"

# A damaged glyph that none of these labels uses does not stop the capture.
fresh_data
settle
damage garbage NUMBER-9.PIC
cli "NUMBER-9.PIC garbage, not used by the labels" 0 capture --limits "$LIMITS"
exists "$IMAGE/Top.bmp"
