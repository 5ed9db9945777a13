# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the package a second time from a copy of the sources in another
# folder, as cheaply as it can be: without tests or benchmarks, everything
# built is what the package holds. It uses every core: the other tests take
# far less time than this build, so it sets how long the suite runs.
# Sourced by the install tests after tests/e2e/lib.sh.

# rebuild_elsewhere SOURCE BUILD PLACE: prints the path of the second
# package, built in a copy of SOURCE below PLACE. The build folder lies where
# BUILD lies relative to SOURCE, so the only difference between the two
# builds is the folder they were made in. The compiler runs as it does for
# BUILD (through ccache, when BUILD's does).
rebuild_elsewhere() {
    local source=$1 build=$2 copy="$3/a/b/c/pimukaro" other type compiler launcher
    mkdir -p "$copy"
    if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        (cd "$source" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) |
            tar -xf - -C "$copy"
    else
        tar -C "$source" --exclude="./$(realpath --relative-to="$source" "$build")" -cf - . | tar -xf - -C "$copy"
    fi
    other=$(realpath -m "$copy/$(realpath --relative-to="$source" "$build")")
    type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
    compiler=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")
    launcher=$(sed -n 's/^CMAKE_CXX_COMPILER_LAUNCHER:[A-Z]*=//p' "$build/CMakeCache.txt")
    cmake -S "$copy" -B "$other" -DCMAKE_BUILD_TYPE="$type" -DCMAKE_CXX_COMPILER="$compiler" \
        -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" \
        -DBUILD_TESTING=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >"$3/rebuild.log" 2>&1 ||
        fail "the second build did not configure: $(tail -n 20 "$3/rebuild.log")"
    cmake --build "$other" -j"$(nproc)" >>"$3/rebuild.log" 2>&1 ||
        fail "the second build failed: $(tail -n 20 "$3/rebuild.log")"
    (cd "$other" && cpack -G DEB) >>"$3/rebuild.log" 2>&1 ||
        fail "the second package did not build: $(tail -n 20 "$3/rebuild.log")"
    echo "$other"/pimukaro_*_"$(dpkg --print-architecture)".deb
}

# same_packages FIRST SECOND: the two packages are the same bytes; when not,
# says which files differ.
same_packages() {
    local first=$1 second=$2
    cmp -s "$first" "$second" && return 0
    mkdir -p "$WORK/first-deb" "$WORK/second-deb"
    dpkg-deb -R "$first" "$WORK/first-deb"
    dpkg-deb -R "$second" "$WORK/second-deb"
    local files
    files=$(diff -rq "$WORK/first-deb" "$WORK/second-deb" 2>&1 || true)
    [ -n "$files" ] || files="none: the archives differ ($(dpkg-deb -c "$first" | head -n 3))"
    fail "two builds in two folders give different packages; the files that differ: $files"
}
