# Toolpath names and prefixes that would put commands of their own into the
# host's command lines: a quote ends the quoted name early, a line break or
# another control character splits the line. Nothing of them reaches the
# host; a name typed by the user is refused naming its character, one the
# host lists is left out and named.

# Each hostile name carries the same injected command.
injected="OVERHANG 1"
hostile_names=(
    "01-ROUGH-D16R1' EDIT TOOL 'D16R1' $injected EDIT TOOL 'D16R1"
    $'01-ROUGH-D16R1\nEDIT TOOL D16R1 '"$injected"
    $'01-ROUGH-D16R1\rEDIT TOOL D16R1 '"$injected"
    $'01-ROUGH-D16R1\tEDIT TOOL D16R1 '"$injected"
    $'01-ROUGH-D16R1\x01EDIT TOOL D16R1 '"$injected"
    $'01-ROUGH-D16R1\x7fEDIT TOOL D16R1 '"$injected"
)
hostile_said=("작은따옴표(')" "줄바꿈 문자(LF)" "줄바꿈 문자(CR)" "탭 문자" "제어 문자(0x01)"
    "제어 문자(0x7F)")

# Typed by the user: every command that sends the names it is given.
for i in "${!hostile_names[@]}"; do
    name=${hostile_names[$i]}
    for command in survey collision gouge post sheet; do
        fresh
        settle
        snapshot
        folder=()
        [ "$command" = post ] || [ "$command" = sheet ] && folder=(--folder "$OUT")
        cli "$command, a name with ${hostile_said[$i]}" 2 "$command" "$name" "${folder[@]}"
        says "${hostile_said[$i]}"
        sent_nothing_like "$injected"
        unchanged
    done
    fresh
    settle
    snapshot
    cli "rename, a prefix with ${hostile_said[$i]}" 1 rename "$name"
    says "${hostile_said[$i]}"
    sent_nothing_like "RENAME|$injected"
    unchanged
done

# Listed by the host: left out of the list, named, and never sent; the other
# toolpaths are worked on.
for i in "${!hostile_names[@]}"; do
    name=${hostile_names[$i]}
    said=${hostile_said[$i]}
    fresh
    settle
    project "$name"
    snapshot
    cli "toolpaths lists a name with $said" 0 --host "sim:$PROJECT" toolpaths
    says "ORVALIS가 다룰 수 없는 툴패스"
    says "$said"
    says "12-OUTER-ZLEVEL-D12"

    for command in survey gouge; do
        cli "$command of every toolpath, one with $said" 0 --host "sim:$PROJECT" "$command"
        says "$said"
        sent_nothing_like "$injected"
    done
    cli "post of every toolpath, one with $said" 0 --host "sim:$PROJECT" post --folder "$OUT"
    sent_nothing_like "$injected"
    exists "$OUT/01-ROUGH-D16R1.nc"
    cli "rename of every toolpath, one with $said" 1 --host "sim:$PROJECT" rename T
    says "$said"
    says "T1"
    sent_nothing_like "$injected"
    unchanged "$OUT/01-ROUGH-D16R1.nc"
done

# The typical run and the collision check over a project listing all of them.
fresh
settle
cp "$repo/sim/sample-tool-assemblies.DAT" "$DRIVES/c/TARVEL/ORVALIS/DAT FILE/공구DATA.DAT"
project "${hostile_names[@]}"
snapshot
cli "collision of every toolpath, hostile names listed" 0 --host "sim:$PROJECT" collision
sent_nothing_like "$injected"
cli "the run, hostile names listed" 0 --host "sim:$PROJECT" run --folder "$OUT" --prefix T
sent_nothing_like "$injected"
exists "$OUT/T.xlsx"
exists "$OUT/T1.nc"
