# The words the hostile families are written in. A case runs the CLI in a
# fresh sandbox (its own drives folder, output folder and working folder),
# then states what must hold; every statement that fails is one FAIL line.
#
#   fresh                      new sandbox: $SANDBOX, $DRIVES (ORVALIS_DRIVES),
#                              $OUT (an empty folder), working folder $SANDBOX/work
#   settle                     one `settings` run, so the data folder exists
#   snapshot                   remember every file in the sandbox and its hash
#   cli CASE STATUS ARGS...    run "$CLI ARGS..." (20 s at most); STATUS is a
#                              number or "fail" (any status but 0)
#   says TEXT                  the last run's stdout or stderr holds TEXT
#   exists PATH / absent PATH  a file or folder is there / is not
#   unchanged [PATH...]        no file remembered by snapshot was changed or
#                              removed, except the PATHs given
#   sent_nothing_like REGEX    the sandbox transcript holds no line matching REGEX
#   check CASE COMMAND...      a statement of the family's own: COMMAND succeeds

HOSTILE_FAILS=0
HOSTILE_CASES=0
HOSTILE_FAMILY=
HOSTILE_CASE=
HOSTILE_ROOT=$(mktemp -d)
trap 'rm -rf "$HOSTILE_ROOT"' EXIT

family() { HOSTILE_FAMILY=$1; echo "== $1"; }

fresh() {
    SANDBOX=$(mktemp -d "$HOSTILE_ROOT/case.XXXXXX")
    DRIVES=$SANDBOX/drives
    OUT=$SANDBOX/out
    TRANSCRIPT=$SANDBOX/transcript
    mkdir -p "$DRIVES" "$OUT" "$SANDBOX/work"
    export ORVALIS_DRIVES=$DRIVES ORVALIS_HOST=sim
    : > "$SANDBOX/snapshot"
}

settle() { (cd "$SANDBOX/work" && "$CLI" settings > /dev/null 2>&1); }

_fail() {
    HOSTILE_FAILS=$((HOSTILE_FAILS + 1))
    echo "FAIL $HOSTILE_FAMILY: $HOSTILE_CASE: $*"
}

_hashes() {
    (cd "$SANDBOX" && find . \( -type f -o -type l \) ! -path ./snapshot ! -path ./transcript \
        ! -path ./stdout ! -path ./stderr ! -path ./now -print0 | sort -z | xargs -0r sha256sum)
}

snapshot() { _hashes > "$SANDBOX/snapshot"; }

cli() {
    HOSTILE_CASE=$1
    local want=$2
    shift 2
    HOSTILE_CASES=$((HOSTILE_CASES + 1))
    (cd "$SANDBOX/work" && timeout 20 "$CLI" --transcript "$TRANSCRIPT" "$@" \
        > "$SANDBOX/stdout" 2> "$SANDBOX/stderr" < /dev/null)
    local status=$?
    if [ "$want" = fail ]; then
        [ "$status" -ne 0 ] && [ "$status" -ne 124 ] ||
            _fail "exit status $status, not a failure ($(head -c 300 "$SANDBOX/stderr"))"
    elif [ "$status" -ne "$want" ]; then
        _fail "exit status $status, not $want ($(head -c 300 "$SANDBOX/stderr"))"
    fi
    if grep -q 'runtime error\|AddressSanitizer\|LeakSanitizer' "$SANDBOX/stderr"; then
        _fail "a sanitizer reported: $(grep -m1 'runtime error\|Sanitizer' "$SANDBOX/stderr")"
    fi
    return 0
}

says() {
    grep -qF -- "$1" "$SANDBOX/stdout" "$SANDBOX/stderr" ||
        _fail "does not say \"$1\" ($(head -c 300 "$SANDBOX/stderr"))"
}

exists() { [ -e "$1" ] || [ -L "$1" ] || _fail "$1 is missing"; }
absent() { [ ! -e "$1" ] && [ ! -L "$1" ] || _fail "$1 was written"; }

unchanged() {
    local allowed=("$@") line path
    _hashes > "$SANDBOX/now"
    while IFS= read -r line; do
        path=${line#*  }
        local skip=
        for a in "${allowed[@]}"; do [ "$path" = "./${a#"$SANDBOX"/}" ] && skip=1; done
        [ -n "$skip" ] && continue
        grep -qxF -- "$line" "$SANDBOX/now" || _fail "$path was changed or removed"
    done < "$SANDBOX/snapshot"
}

sent_nothing_like() {
    ! grep -qE -- "$1" "$TRANSCRIPT" 2>/dev/null ||
        _fail "sent to the host: $(grep -m1 -E -- "$1" "$TRANSCRIPT")"
}

check() {
    HOSTILE_CASE=$1
    shift
    HOSTILE_CASES=$((HOSTILE_CASES + 1))
    "$@" || _fail "$*"
}

summary() {
    echo "hostile-run: $HOSTILE_CASES cases, $HOSTILE_FAILS failed statements"
    [ "$HOSTILE_FAILS" -eq 0 ]
}

#   never_says TEXT            the last run's stdout and stderr do not hold TEXT
never_says() {
    ! grep -qF -- "$1" "$SANDBOX/stdout" "$SANDBOX/stderr" ||
        _fail "says \"$1\" ($(grep -hF -m1 -- "$1" "$SANDBOX/stdout" "$SANDBOX/stderr"))"
}

#   fresh_data                 fresh, with $DATA the sandbox's data folder
#                              (not made yet), $FONT and $IMAGE inside it
fresh_data() {
    fresh
    DATA=$DRIVES/c/TARVEL/ORVALIS
    FONT=$DATA/FONT
    IMAGE=$DATA/IMAGE
}

#   project NAME...            writes $PROJECT, the bundled sample project with one more
#                              toolpath (a copy of its first) per NAME, for --host sim:$PROJECT
project() {
    PROJECT=$SANDBOX/project.json
    local names
    names=$(jq -n '$ARGS.positional' --args "$@")
    jq --argjson names "$names" \
        '.toolpaths += [.toolpaths[0] as $first | $names[] | $first + {name: .}]' \
        "$repo/sim/sample-project.json" > "$PROJECT"
}
