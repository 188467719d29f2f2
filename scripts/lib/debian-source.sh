# Sourced by scripts/windows-deps and scripts/windows-qt: Debian's source
# packages fetched with `apt-get source` under a private apt configuration
# in $aptdir (a deb-src list derived from the machine's own Debian sources,
# its own lists and cache). The machine's apt setup is only read.
#
# The sourcing script sets: aptdir (the private apt folder) and srcroot
# (where sources are unpacked, one folder per source package).

apt_opts=(
    -o "Dir::Etc::SourceList=$aptdir/sources.list"
    -o "Dir::Etc::SourceParts=/dev/null"
    -o "Dir::State=$aptdir/state"
    -o "Dir::Cache=$aptdir/cache"
    # The private folders are not the _apt user's: download as ourselves.
    -o "APT::Sandbox::User=$(id -un)"
)

# Prints one deb-src line for each Debian source the machine uses for
# binary packages: same URIs, suites, components and signing key.
machine_deb_src() {
    local list parts f
    eval "$(apt-config shell list Dir::Etc::SourceList/f parts Dir::Etc::SourceParts/d)"
    for f in "$parts"/*.sources; do
        [ -f "$f" ] || continue
        awk '
            function flush(  u, s, i, j, nu, ns, opt) {
                if (types ~ /(^| )deb( |$)/ && enabled != "no" && uris != "" && suites != "") {
                    opt = (signed != "" && !multiline) ? "[signed-by=" signed "] " : ""
                    nu = split(uris, u, " "); ns = split(suites, s, " ")
                    for (i = 1; i <= nu; i++)
                        for (j = 1; j <= ns; j++)
                            print "deb-src " opt u[i] " " s[j] (comps != "" ? " " comps : "")
                }
                types = uris = suites = comps = signed = enabled = ""; multiline = 0
            }
            /^#/ { next }
            /^[ \t]*$/ { flush(); next }
            /^[ \t]/ { if (key == "signed-by") multiline = 1; next }
            {
                key = tolower(substr($0, 1, index($0, ":") - 1))
                val = substr($0, index($0, ":") + 1)
                gsub(/^[ \t]+|[ \t]+$/, "", val); gsub(/[ \t]+/, " ", val)
                if (key == "types") types = val
                else if (key == "uris") uris = val
                else if (key == "suites") suites = val
                else if (key == "components") comps = val
                else if (key == "signed-by") signed = val
                else if (key == "enabled") enabled = tolower(val)
            }
            END { flush() }
        ' "$f"
    done
    for f in "$list" "$parts"/*.list; do
        [ -f "$f" ] || continue
        sed -n 's/^[ \t]*deb[ \t]\+/deb-src /p' "$f"
    done
}

setup_private_apt() {
    mkdir -p "$aptdir/state/lists/partial" "$aptdir/cache/archives/partial"
    machine_deb_src | sort -u > "$aptdir/sources.list.new"
    if [ ! -s "$aptdir/sources.list.new" ]; then
        echo "${0##*/}: found no Debian package source in the machine's apt configuration" >&2
        exit 1
    fi
    mv "$aptdir/sources.list.new" "$aptdir/sources.list"
    echo "${0##*/}: updating the private source lists in $aptdir"
    apt-get "${apt_opts[@]}" -qq update
}

# --- Sources ----------------------------------------------------------------

# fetch SOURCE_PACKAGE [VERSION]: unpacks Debian's source, its patches
# applied, into $srcroot/SOURCE_PACKAGE/<name>-<version> and sets $src to
# that folder. Without VERSION the newest version is taken, and when a mirror
# does not have it (yet), the next; with VERSION only that one.
apt_ready=
fetch() {
    local dir=$srcroot/$1 want=${2-} version versions
    if [ -f "$dir/.fetched" ] && [ -n "$want" ] && [ "$(cat "$dir/.version")" != "$want" ]; then
        rm -f "$dir/.fetched"
    fi
    if [ ! -f "$dir/.fetched" ]; then
        if [ -z "$apt_ready" ]; then setup_private_apt; apt_ready=1; fi
        if [ -n "$want" ]; then
            versions=$want
        else
            versions=$(apt-cache "${apt_opts[@]}" showsrc --only-source "$1" | sed -n 's/^Version: //p' | sort -rVu)
        fi
        for version in $versions; do
            echo "${0##*/}: fetching the Debian source of $1 $version"
            rm -rf "$dir" && mkdir -p "$dir"
            if (cd "$dir" && apt-get "${apt_opts[@]}" -qq source --only-source "$1=$version" > source.log 2>&1); then
                echo "$version" > "$dir/.version"
                find "$dir" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' > "$dir/.fetched"
                break
            fi
            echo "${0##*/}: $1 $version could not be fetched:" >&2
            { grep '^E:' "$dir/source.log" || tail -n 5 "$dir/source.log"; } | sed 's/^/    /' >&2
        done
        if [ ! -f "$dir/.fetched" ]; then
            echo "${0##*/}: could not fetch the Debian source of $1${want:+ $want}" >&2
            exit 1
        fi
    fi
    src=$dir/$(cat "$dir/.fetched")
}
