#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads a copyright file as Debian's machine-readable format (DEP-5) with
python3-debian's strict parser, and checks what a distribution relies on:
every Files paragraph names its copyright and licence, and every licence
named has its text, in the paragraph or in a License paragraph of its own.
usage: dep5.py FILE"""

import sys

from debian import copyright as dep5


def problems(path):
    with open(path, encoding="utf-8") as text:
        parsed = dep5.Copyright(text, strict=True)
    if not parsed.header.upstream_name:
        yield "the header names no Upstream-Name"
    texts = {p.license.synopsis for p in parsed.all_license_paragraphs() if p.license.text}
    files = list(parsed.all_files_paragraphs())
    if not files or files[0].files != ("*",):
        yield "the first Files paragraph is not Files: *"
    for paragraph in files:
        where = " ".join(paragraph.files)
        if not paragraph.copyright:
            yield f"Files: {where} has no Copyright"
        if paragraph.license is None:
            yield f"Files: {where} has no License"
        elif not paragraph.license.text and paragraph.license.synopsis not in texts:
            yield f"Files: {where}: no text for the licence {paragraph.license.synopsis}"


def main():
    try:
        found = list(problems(sys.argv[1]))
    except (dep5.Error, ValueError) as error:
        found = [f"not DEP-5: {error}"]
    for problem in found:
        print(f"{sys.argv[1]}: {problem}", file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
