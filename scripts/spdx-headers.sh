#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every source file of the tree the two licence lines at its top, in
# the comment syntax of its kind, after any "#!" line; a file that has them
# already is left as it is, so running it twice changes nothing.
#   scripts/spdx-headers.sh          adds the lines where they are missing
#   scripts/spdx-headers.sh --check  names every file that lacks them (or is
#                                    not listed in .reuse/dep5) and fails
# Files that can hold no comment (pictures, data, the change log) are listed
# in .reuse/dep5 instead.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"

COPYRIGHT="SPDX-FileCopyrightText: 2026 The pimukaro developers"
LICENCE="SPDX-License-Identifier: GPL-3.0-or-later"

# The tree's files: those git knows or would add, else all but build folders.
files() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files --cached --others --exclude-standard -z |
            while IFS= read -r -d '' file; do [ -f "$file" ] && printf '%s\0' "$file"; done
    else
        find . \( -name .git -o -name 'build*' -o -name 'wt-*' \) -prune -o -type f -printf '%P\0'
    fi
}

# The comment syntax a file takes, or "none".
style_of() {
    case "$1" in
        *.cpp | *.h | *.hpp | *.c) echo slashes ;;
        *.sh | *.py | *.cmake | CMakeLists.txt | */CMakeLists.txt | *.supp | .gitignore | */.gitignore | \
            .clang-format | *.desktop | *.desktop.in) echo hash ;;
        *.[1-8]) echo roff ;;
        *.xml | *.xml.in) echo xml ;;
        *) if [ "$(head -c2 "$1")" = "#!" ]; then echo hash; else echo none; fi ;;
    esac
}

# The files that carry both lines in their first twelve, one a line: one awk
# for the whole tree.
files_with_lines() {
    files | xargs -0 -r awk '
        FNR == 1 { copyright = licence = 0 }
        FNR <= 12 && /SPDX-FileCopyrightText: / { copyright = 1 }
        FNR <= 12 && /SPDX-License-Identifier: / { licence = 1 }
        FNR <= 12 && copyright && licence && !(FILENAME in done) { print FILENAME; done[FILENAME] = 1 }'
}

# Files named by a "Files:" field of .reuse/dep5 (its "*" spans folders too).
listed_in_dep5() {
    local pattern patterns
    [ -f .reuse/dep5 ] || return 1
    read -r -d '' -a patterns < <(sed -n '/^Files:/,/^[A-Z][A-Za-z-]*:/{s/^Files://; /^[A-Z][A-Za-z-]*:/d; p}' .reuse/dep5) || true
    for pattern in "${patterns[@]}"; do
        # shellcheck disable=SC2053 # the pattern is a glob on purpose
        [[ $1 == $pattern ]] && return 0
    done
    return 1
}

header() {
    case "$1" in
        slashes) printf '// %s\n// %s\n\n' "$COPYRIGHT" "$LICENCE" ;;
        hash) printf '# %s\n# %s\n\n' "$COPYRIGHT" "$LICENCE" ;;
        roff) printf '.\\" %s\n.\\" %s\n' "$COPYRIGHT" "$LICENCE" ;;
        xml) printf '<!--\n%s\n%s\n-->\n' "$COPYRIGHT" "$LICENCE" ;;
    esac
}

# The lines go after a "#!" line or an XML declaration, which must come first.
add_lines() {
    local file=$1 style=$2 keep=0 first
    first=$(head -n1 "$file")
    case "$first" in '#!'* | '<?xml'*) keep=1 ;; esac
    {
        head -n "$keep" "$file"
        header "$style"
        tail -n "+$((keep + 1))" "$file"
    } >"$file.spdx-new"
    chmod --reference="$file" "$file.spdx-new"
    mv "$file.spdx-new" "$file"
}

check=0
[ "${1:-}" = "--check" ] && check=1
missing=()
declare -A has_lines
while IFS= read -r file; do has_lines[$file]=1; done < <(files_with_lines)
while IFS= read -r -d '' file; do
    case "$file" in COPYING | .reuse/dep5) continue ;; esac
    [ -n "${has_lines[$file]:-}" ] && continue
    style=$(style_of "$file")
    if [ "$style" = none ]; then
        listed_in_dep5 "$file" || missing+=("$file (no comments: list it in .reuse/dep5)")
        continue
    fi
    if [ $check -eq 1 ]; then
        missing+=("$file")
    else
        add_lines "$file" "$style"
        echo "licence lines added: $file"
    fi
done < <(files)

if [ $check -eq 1 ]; then
    common=/usr/share/common-licenses/GPL-3
    [ -f COPYING ] || missing+=("COPYING (the licence text)")
    if [ -f COPYING ] && [ -f $common ] && ! cmp -s COPYING $common; then
        missing+=("COPYING (not the text of $common)")
    fi
fi
if [ ${#missing[@]} -gt 0 ]; then
    printf 'no licence lines: %s\n' "${missing[@]}" >&2
    exit 1
fi
