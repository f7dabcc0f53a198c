#!/usr/bin/env python3
"""Writes the release archive: the exe, README.txt (the README's user guide as plain text), LICENSE.txt and
SHA256SUMS.

Every build of one commit writes the same bytes: the entries in name order, each dated to the commit (or to
SOURCE_DATE_EPOCH) in UTC, with no owner or mode bits of the build machine.
Usage: tools/dist.py --version 1.0.0 --exe MarquillAmp.exe --source SOURCE_DIR --out ARCHIVE.zip
"""
import argparse
import hashlib
import os
import subprocess
import sys
import textwrap
import time
import zipfile

GUIDE_START = "<!-- user guide: start"
GUIDE_END = "<!-- user guide: end"
# Notepad in its default window shows about this many columns.
WIDTH = 76
UNDERLINES = {"##": "=", "###": "-"}


def wrapped(text, indent=""):
    return textwrap.wrap(" ".join(text.split()), WIDTH, initial_indent=indent, subsequent_indent=" " * len(indent),
                         break_long_words=False, break_on_hyphens=False)


def user_guide(readme, version):
    """The lines of README.txt: the text between the guide's marks, its Markdown reduced to plain text."""
    lines = readme.splitlines()
    start = next(i for i, line in enumerate(lines) if line.startswith(GUIDE_START))
    end = next(i for i, line in enumerate(lines) if line.startswith(GUIDE_END))
    title = f"MarquillAmp {version}"
    text = [title, "=" * len(title)]
    for block in "\n".join(lines[start + 1:end]).strip().replace("`", "").split("\n\n"):
        level, _, heading = block.partition(" ")
        text.append("")
        if level in UNDERLINES:
            text += [heading, UNDERLINES[level] * len(heading)]
        elif block.startswith("- "):
            for item in block[2:].split("\n- "):
                text += wrapped(item, "- ")
        else:
            text += wrapped(block)
    return text


def windows_text(lines):
    # Plain ASCII with CR LF, so that every Notepad shows it as written.
    return "".join(line + "\r\n" for line in lines).encode("ascii")


def source_date_epoch(source):
    if "SOURCE_DATE_EPOCH" in os.environ:
        return int(os.environ["SOURCE_DATE_EPOCH"])
    commit = subprocess.run(["git", "-C", source, "log", "-1", "--format=%ct"], capture_output=True, text=True)
    if commit.returncode != 0:
        sys.exit("dist: no SOURCE_DATE_EPOCH and no git commit to date the archive by")
    return int(commit.stdout)


def write_archive(path, files, epoch):
    date_time = time.gmtime(epoch)[:6]
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with zipfile.ZipFile(path + ".part", "w") as archive:
        for name in sorted(files):
            entry = zipfile.ZipInfo(name, date_time)
            # MS-DOS attributes, no Unix owner or mode; the archive bit alone, as Windows marks a file it has just
            # written (zipfile would replace no attributes at all with a mode of its own).
            entry.create_system = 0
            entry.external_attr = 0x20
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, files[name], compresslevel=9)
    os.replace(path + ".part", path)


def main():
    parser = argparse.ArgumentParser(description="Writes the release archive.")
    for option in ("--version", "--exe", "--source", "--out"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()

    with open(args.exe, "rb") as exe:
        program = exe.read()
    with open(os.path.join(args.source, "README.md"), encoding="utf-8") as readme:
        guide = user_guide(readme.read(), args.version)
    with open(os.path.join(args.source, "LICENSE"), encoding="utf-8") as license_file:
        license_lines = license_file.read().splitlines()
    files = {
        "MarquillAmp.exe": program,
        "README.txt": windows_text(guide),
        "LICENSE.txt": windows_text(license_lines),
        "SHA256SUMS": f"{hashlib.sha256(program).hexdigest()}  MarquillAmp.exe\n".encode("ascii"),
    }
    write_archive(args.out, files, source_date_epoch(args.source))
    print(f"dist: {args.out}")


if __name__ == "__main__":
    main()
