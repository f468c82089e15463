#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the Debian package's changelog from CHANGELOG.md.

CHANGELOG.md holds one section per version, newest first: a heading
`## VERSION (YYYY-MM-DD)` and one item per change, each starting with `- `
and continued on indented lines. A package whose version has no Debian
revision is a native package, whose changelog.gz is read by Debian's tools
in the Debian changelog format; this writes that format, with every line
under 80 columns and Markdown's inline code marks left out. The newest
section must be the version being built, and the dates must not rise down
the file, so that a release without its entry fails the build.

Usage: debian_changelog.py CHANGELOG.md OUTPUT PACKAGE VERSION MAINTAINER"""
import datetime
import re
import sys
import textwrap

HEADING = re.compile(r'^## (\S+) \((\d{4}-\d{2}-\d{2})\)$')
WIDTH = 78


class ChangelogError(Exception):
    pass


def read_sections(text):
    """Returns [(version, date, [item, ...]), ...] in the file's order."""
    sections = []
    for number, line in enumerate(text.splitlines(), 1):
        where = f'CHANGELOG.md:{number}'
        if line.startswith('## '):
            match = HEADING.match(line)
            if not match:
                raise ChangelogError(f'{where}: a version heading is "## VERSION (YYYY-MM-DD)"')
            try:
                date = datetime.date.fromisoformat(match.group(2))
            except ValueError as error:
                raise ChangelogError(f'{where}: {error}') from None
            sections.append((match.group(1), date, []))
        elif not sections or not line.strip():
            continue
        elif line.startswith('- '):
            sections[-1][2].append(line[2:].strip())
        elif line.startswith('  ') and sections[-1][2]:
            sections[-1][2][-1] += ' ' + line.strip()
        else:
            raise ChangelogError(f'{where}: an item starts with "- " and goes on indented')
    return sections


def check(sections, version):
    if not sections:
        raise ChangelogError('CHANGELOG.md: no version heading')
    if sections[0][0] != version:
        raise ChangelogError(f'CHANGELOG.md: the newest entry is {sections[0][0]}, not {version}')
    seen = set()
    for (name, date, items), older in zip(sections, sections[1:] + [None]):
        if name in seen:
            raise ChangelogError(f'CHANGELOG.md: version {name} twice')
        seen.add(name)
        if not items:
            raise ChangelogError(f'CHANGELOG.md: version {name} lists no change')
        if older and older[1] > date:
            raise ChangelogError(f'CHANGELOG.md: version {name} is dated before {older[0]}')


def debian_entry(package, maintainer, name, date, items):
    lines = [f'{package} ({name}) unstable; urgency=medium', '']
    for item in items:
        lines += textwrap.wrap(item.replace('`', ''), WIDTH, initial_indent='  * ',
                               subsequent_indent='    ', break_on_hyphens=False,
                               break_long_words=False)
    stamp = datetime.datetime.combine(date, datetime.time(12), datetime.timezone.utc)
    lines += ['', f' -- {maintainer}  {stamp.strftime("%a, %d %b %Y %H:%M:%S %z")}', '']
    return '\n'.join(lines)


def main(argv):
    if len(argv) != 6:
        print(__doc__.splitlines()[-1], file=sys.stderr)
        return 2
    source, output, package, version, maintainer = argv[1:]
    try:
        with open(source, encoding='utf-8') as file:
            sections = read_sections(file.read())
        check(sections, version)
    except (OSError, ChangelogError) as error:
        print(f'debian_changelog.py: {error}', file=sys.stderr)
        return 1
    text = '\n'.join(debian_entry(package, maintainer, *section) for section in sections)
    with open(output, 'w', encoding='utf-8') as file:
        file.write(text)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
