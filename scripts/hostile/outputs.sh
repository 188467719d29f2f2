# Where the output goes and what is there already: a reader that went away,
# a transcript that is no file, NC files of another run, names Windows keeps
# for its devices, and a settings listing that never asked the host.

# The reader of stdout is gone before anything is written: status 1 and a
# message, not death by SIGPIPE (141). The pipe's reading end is closed
# before the program starts, so the case does not depend on which of two
# processes runs first.
closed_pipe() {
    (cd "$SANDBOX/work" && python3 -c 'import os, subprocess, sys
reading, writing = os.pipe()
os.close(reading)
status = subprocess.run(sys.argv[1:], stdout=writing).returncode
sys.exit(status if status >= 0 else 128 - status)' "$CLI" "$@" 2> "$SANDBOX/stderr")
    local status=$?
    [ "$status" -eq 1 ] && grep -qF "표준 출력에 쓰지 못했습니다" "$SANDBOX/stderr" ||
        { echo "  status $status: $(head -c 300 "$SANDBOX/stderr")"; return 1; }
}
for command in toolpaths survey settings; do
    fresh
    settle
    check "$command into a closed pipe" closed_pipe "$command"
done

# A transcript that is no file is refused at once, never waited on.
for kind in fifo folder device; do
    fresh
    settle
    case $kind in
        fifo) mkfifo "$SANDBOX/record"; record=$SANDBOX/record ;;
        folder) mkdir "$SANDBOX/record"; record=$SANDBOX/record ;;
        device) record=/dev/zero ;;
    esac
    snapshot
    cli "--transcript naming a $kind" 1 --transcript "$record" toolpaths
    says "일반 파일이 아니어서"
    unchanged
done

# NC files of a first run are not replaced by a second without --force.
fresh
settle
cli "a first post" 0 post --folder "$OUT"
snapshot
cli "a second post without --force" 1 post --folder "$OUT"
says "이미 있습니다"
unchanged
cli "a third post with --force" 0 post --folder "$OUT" --force
exists "$OUT/01-ROUGH-D16R1.nc"

# Two posts into one folder at the same time: never both done, and no NC
# file is left empty.
two_posts() {
    (cd "$SANDBOX/work" && "$CLI" post --folder "$OUT" > /dev/null 2>&1) &
    local first=$!
    (cd "$SANDBOX/work" && "$CLI" post --folder "$OUT" > /dev/null 2>&1)
    local second=$?
    wait "$first"
    local status=$?
    [ "$status" -ne 0 ] || [ "$second" -ne 0 ] || { echo "  both exited 0"; return 1; }
    ! find "$OUT" -name '*.nc' -empty | grep -q . || { echo "  an empty NC file"; return 1; }
}
fresh
settle
check "two posts at the same time" two_posts

# Names Windows keeps for devices, or whose last dot or blank it drops, are
# no sheet or NC names, on any system.
for name in CON nul Aux.old "COM1" "lpt9" "T." "T "; do
    fresh
    settle
    snapshot
    cli "a sheet named '$name'" 1 sheet --folder "$OUT" --prefix "$name"
    says "파일 이름으로 쓸 수 없는 이름입니다"
    unchanged
done
fresh
settle
project NUL COM1 "LPT1.old" "T."
snapshot
cli "NC files named after device names" 1 --host "sim:$PROJECT" post --folder "$OUT"
says "Windows의 장치 이름"
says "점(.)과 빈칸"
absent "$OUT/NUL.nc"
absent "$OUT/COM1.nc"
absent "$OUT/LPT1.old.nc"
absent "$OUT/T..nc"
exists "$OUT/01-ROUGH-D16R1.nc"
fresh
settle
snapshot
cli "NC names COM1, COM2 ... from the prefix COM" 1 post --folder "$OUT" --prefix COM
says "COM1"
absent "$OUT/COM1.nc"
exists "$OUT/COM10.nc"

# The settings never ask the host, so they never say it is not connected.
fresh
settle
cli "settings" 0 settings
says "extension"
never_says "연결되지"
