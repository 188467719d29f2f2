# Arguments a careless user types: refused with a message, nothing written.

fresh
settle
snapshot
cli "an unknown command" 2 frobnicate
says "frobnicate"
unchanged

fresh
settle
echo "a file, not a folder" > "$OUT/file"
snapshot
cli "--folder naming a file" fail sheet --folder "$OUT/file"
unchanged

fresh
settle
snapshot
cli "an unknown toolpath" fail survey "NO-SUCH-TOOLPATH"
says "NO-SUCH-TOOLPATH"
unchanged
