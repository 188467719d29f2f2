# The data folder heals: the program's own files (templates, glyphs) that a
# killed start or a full disk cut short are copied again with one warning,
# the shop's settings and records are never overwritten, and a settings file
# that is no file is said to be so, not missing.


# Every shipped file that is in the data folder is whole (the same bytes).
whole_where_present() {
    local file relative
    while IFS= read -r file; do
        relative=${file#"$repo/data/"}
        [ -e "$DATA/$relative" ] || continue
        cmp -s "$file" "$DATA/$relative" || { echo "cut short: $relative"; return 1; }
    done < <(find "$repo/data" -type f ! -name .gitkeep)
}

# Every shipped file is in the data folder, whole.
all_whole() {
    whole_where_present && [ -z "$(cd "$repo/data" && find . -type f ! -name .gitkeep \
        -exec sh -c '[ -e "$1/$2" ] || echo "$2"' _ "$DATA" {} \;)" ]
}

fresh_data
settle
: > "$DATA/FONT/NUMBER-9.PIC"
head -c 4096 "$repo/data/ORVALIS.xlsx" > "$DATA/ORVALIS.xlsx"
: > "$DATA/IMAGE.xlsx"
head -c 20 "$repo/data/FONT/X.PIC" > "$DATA/FONT/X.PIC"
cli "glyphs and templates cut short" 0 settings
says "설치본으로 다시 채웠습니다"
says "외 3개"
check "they are whole again" all_whole
cli "the start after the one that healed" 0 settings
never_says "경고"

# A template the shop edited (longer, or not the shipped one's beginning) is theirs.
fresh_data
settle
cp "$repo/data/ORVALIS.xlsx" "$DATA/ORVALIS.xlsx"
echo "the shop's own" >> "$DATA/ORVALIS.xlsx"
echo "the shop's picture sheet, not ours" > "$DATA/IMAGE.xlsx"
snapshot
cli "templates the shop replaced" 0 settings
never_says "경고"
unchanged

# The shop's settings and records: empty or short, they stay as they are.
fresh_data
settle
: > "$DATA/DAT FILE/SETTING.dat"
head -c 4 "$repo/data/DAT FILE/그림DATA.DAT" > "$DATA/DAT FILE/그림DATA.DAT"
: > "$DATA/DAT FILE/Sample.Ini"
snapshot
cli "settings and records cut short" 0 settings
never_says "다시 채웠습니다"
unchanged

# A Sample.Ini or SETTING.dat that is no file, or too large, is said to be so.
for name in Sample.Ini SETTING.dat; do
    for kind in fifo folder huge; do
        fresh_data
        settle
        rm "$DATA/DAT FILE/$name"
        case $kind in
            fifo) mkfifo "$DATA/DAT FILE/$name"; why="일반 파일이 아니어서" ;;
            folder) mkdir "$DATA/DAT FILE/$name"; why="일반 파일이 아니어서" ;;
            huge) truncate -s 17M "$DATA/DAT FILE/$name"; why="파일이 너무 커서" ;;
        esac
        snapshot
        cli "$name as a $kind: settings" 1 settings
        says "$name: $why"
        cli "$name as a $kind: the main window's load" 0 toolpaths
        says "$name: $why"
        [ "$name" = Sample.Ini ] && never_says "등록된 업체가 없습니다"
        unchanged
    done
done

# A start killed while it fills the data folder leaves only whole files, and
# the next start fills the rest.
for delay in 0.005 0.01 0.02 0.04 0.08; do
    fresh_data
    (cd "$SANDBOX/work" && timeout -s KILL "$delay" "$CLI" settings > /dev/null 2>&1) 2> /dev/null
    check "killed after ${delay} s: what is there is whole" whole_where_present
    cli "the start after one killed after ${delay} s" 0 settings
    check "killed after ${delay} s: the next start filled the rest" all_whole
done
