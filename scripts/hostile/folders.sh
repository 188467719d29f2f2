# Folders that mean what they say: a native folder resolves exactly as the
# shell resolves it (no letter-case guessing), and a drive path never climbs
# out of its drive, whether it comes from --folder or the host's project.

# "../out" from the working folder is $OUT, never ./out.
for folder in ../out ./../out; do
    fresh
    settle
    mkdir "$SANDBOX/work/out"
    echo "the shop's own sheet" > "$SANDBOX/work/out/T.xlsx"
    snapshot
    cli "run --force --folder $folder" 0 run --folder "$folder" --prefix T --force
    exists "$OUT/T.xlsx"
    exists "$OUT/T1.nc"
    unchanged
    check "nothing beside the shop's sheet in ./out" \
        test "$(ls "$SANDBOX/work/out")" = T.xlsx
done

fresh
settle
snapshot
for command in sheet pictures post run; do
    cli "$command --folder \"\"" 2 "$command" --folder ""
    says "빈 폴더 이름"
done
unchanged
check "nothing written in the working folder" test -z "$(ls -A "$SANDBOX/work")"

# A native folder is taken with its letter case: OUT is not the existing out.
fresh
settle
mkdir "$SANDBOX/work/out"
cli "run --folder OUT beside an existing out" 0 run --folder OUT --prefix T
exists "$SANDBOX/work/OUT/T1.nc"
check "nothing written into out" test -z "$(ls -A "$SANDBOX/work/out")"

# A drive path still finds its folders whatever their letter case.
fresh
settle
mkdir -p "$DRIVES/c/JOBS"
cli "post --folder C:\\jobs finds C:\\JOBS" 0 post --folder 'C:\jobs' --prefix T
exists "$DRIVES/c/JOBS/T1.nc"
absent "$DRIVES/c/jobs"

# ".." stops at the drive, as on Windows: two, and eight reaching for /tmp.
fresh
settle
cli "run --folder C:\\..\\..\\escaped" 0 run --folder 'C:\..\..\escaped' --prefix T
exists "$DRIVES/c/escaped/T1.nc"
absent "$DRIVES/escaped"
absent "$SANDBOX/escaped"

fresh
settle
far="orvalis-hostile-far-$$"
cli "run --folder with eight .." 0 run --folder "C:\\..\\..\\..\\..\\..\\..\\..\\..\\tmp\\$far" --prefix T
exists "$DRIVES/c/tmp/$far/T.xlsx"
absent "/tmp/$far"
rm -rf "/tmp/$far"  # what a build that climbs out would have left

# The simulated host's project folder is a drive path as well.
fresh
settle
sed 's/"path": "[^"]*"/"path": "C:\\\\..\\\\..\\\\escaped-project"/' \
    "$repo/sim/sample-project.json" > "$SANDBOX/project.json"
check "the project file names the climbing folder" grep -qF 'C:\\..\\..\\escaped-project' "$SANDBOX/project.json"
cli "a sim project whose folder climbs out of its drive" 0 --host "sim:../project.json" toolpaths
exists "$DRIVES/c/escaped-project"
absent "$DRIVES/escaped-project"
absent "$SANDBOX/escaped-project"
