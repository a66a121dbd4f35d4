#!/usr/bin/env python3
"""The README's code map, generated from the CMake targets of src/.

    scripts/codemap.py            print the table
    scripts/codemap.py --update   write it into README.md
    scripts/codemap.py --check    fail when README.md's table is not current,
                                  when a folder includes a library it does not
                                  link or links one it does not include, or when
                                  a header of src/ is included without its folder

The rows follow the add_subdirectory() order of src/CMakeLists.txt; the links
column is each folder's target_link_libraries() (htprog_<name> shown as <name>,
Qt6::<Module> as Qt <Module>, with the condition of an if() block in brackets).
The "holds" column is written by hand in README.md and kept as it is.
"""
import argparse
import difflib
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SRC = os.path.join(ROOT, 'src')
README = os.path.join(ROOT, 'README.md')
HEADER = ['| folder | holds | links |', '|---|---|---|']

# How the conditions of the if() blocks around links read in the table.
CONDITIONS = {
    'WIN32': 'Windows',
    'NOT WIN32': 'not Windows',
    'X11_FOUND AND X11_Xkb_FOUND': 'where X11 is found',
}


def strip_comments(text):
    return '\n'.join(line.split('#', 1)[0] for line in text.splitlines())


def commands(text):
    """(name, arguments) of every command of a CMakeLists.txt, in order."""
    return [(m.group(1).lower(), m.group(2).split())
            for m in re.finditer(r'\b(\w+)\s*\(([^()]*)\)', strip_comments(text))]


def folders():
    text = open(os.path.join(SRC, 'CMakeLists.txt'), encoding='utf-8').read()
    return [args[0] for name, args in commands(text) if name == 'add_subdirectory']


def negate(condition):
    return condition[4:] if condition.startswith('NOT ') else 'NOT ' + condition


def folder_links(folder):
    """The folder's library (the executable for a folder without one) and what it
    links: a list of (link, condition or None)."""
    text = open(os.path.join(SRC, folder, 'CMakeLists.txt'), encoding='utf-8').read()
    found = commands(text)
    libraries = [args[0] for name, args in found if name == 'add_library']
    executables = [args[0] for name, args in found if name == 'add_executable']
    target = libraries[0] if libraries else executables[0]
    links, stack = [], []
    for name, args in found:
        if name == 'if':
            stack.append(' '.join(args))
        elif name == 'else':
            stack[-1] = negate(stack[-1])
        elif name == 'endif':
            stack.pop()
        elif name == 'target_link_libraries' and args[0] == target:
            condition = ' AND '.join(stack) if stack else None
            for arg in args[1:]:
                if arg not in ('PUBLIC', 'PRIVATE', 'INTERFACE'):
                    links.append((arg, condition))
    return links


def shown(link):
    if link.startswith('htprog_'):
        return link[len('htprog_'):]
    if link.startswith('Qt6::'):
        return 'Qt ' + link[len('Qt6::'):]
    return link.split('::')[0]


def links_text(links, order):
    """The links, libraries of src/ from the nearest layer down (the reverse of
    the build order), then the others as CMake lists them."""
    rank = {'htprog_' + folder: -i for i, folder in enumerate(order)}
    links = sorted(links, key=lambda item: rank.get(item[0], 1))
    groups = {}
    for link, condition in links:
        groups.setdefault(condition, []).append(shown(link))
    parts = [', '.join(groups.pop(None, []))]
    for condition, names in groups.items():
        parts.append('%s (%s)' % (', '.join(names), CONDITIONS.get(condition, condition)))
    return '; '.join(part for part in parts if part)


def readme_table(lines):
    """Start and end line of the code map table, and the holds text per folder."""
    start = lines.index(HEADER[0])
    end = start + 2
    holds = {}
    while end < len(lines) and lines[end].startswith('|'):
        cells = [cell.strip() for cell in lines[end].strip('|').split(' | ')]
        holds[cells[0].strip('`')[len('src/'):]] = cells[1]
        end += 1
    return start, end, holds


def table(holds):
    rows = list(HEADER)
    order = folders()
    for folder in order:
        rows.append('| `src/%s` | %s | %s |'
                    % (folder, holds.get(folder, ''), links_text(folder_links(folder), order)))
    return rows


def bare_includes():
    """Includes of a header of src/ by its bare name, not by its path from src/."""
    headers = set()
    for folder in folders():
        headers |= {name for name in os.listdir(os.path.join(SRC, folder)) if name.endswith('.h')}
    problems = []
    for top in ('src', 'tests', 'bench', 'fuzz'):
        for path, _, files in os.walk(os.path.join(ROOT, top)):
            for name in sorted(files):
                if not name.endswith(('.cpp', '.h')):
                    continue
                text = open(os.path.join(path, name), encoding='utf-8').read()
                for header in re.findall(r'^\s*#\s*include\s+"([^"/]+)"', text, re.M):
                    if header in headers:
                        problems.append('%s includes "%s" without its folder' % (
                            os.path.relpath(os.path.join(path, name), ROOT), header))
    return problems


def include_problems():
    """Folders whose links and includes of other folders of src/ differ."""
    problems = bare_includes()
    names = set(folders())
    for folder in folders():
        linked = {link[len('htprog_'):] for link, _ in folder_links(folder)
                  if link.startswith('htprog_')}
        included = set()
        path = os.path.join(SRC, folder)
        for name in os.listdir(path):
            if name.endswith(('.cpp', '.h')):
                text = open(os.path.join(path, name), encoding='utf-8').read()
                included |= set(re.findall(r'^\s*#\s*include\s+"(\w+)/', text, re.M))
        included = (included & names) - {folder}
        for missing in sorted(included - linked):
            problems.append('src/%s includes %s but does not link htprog_%s'
                            % (folder, missing, missing))
        for unused in sorted(linked - included):
            problems.append('src/%s links htprog_%s but includes nothing of it'
                            % (folder, unused))
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    mode = parser.add_mutually_exclusive_group()
    mode.add_argument('--update', action='store_true', help='write the table into README.md')
    mode.add_argument('--check', action='store_true', help='fail when README.md is not current')
    options = parser.parse_args()

    lines = open(README, encoding='utf-8').read().split('\n')
    start, end, holds = readme_table(lines)
    rows = table(holds)
    empty = [row.split(' | ')[0].lstrip('| ') for row in rows[2:] if ' |  | ' in row]

    if options.update:
        lines[start:end] = rows
        open(README, 'w', encoding='utf-8').write('\n'.join(lines))
        for folder in empty:
            print('codemap: write what %s holds in README.md' % folder, file=sys.stderr)
        return 1 if empty else 0
    if not options.check:
        print('\n'.join(rows))
        return 0

    failed = False
    if lines[start:end] != rows:
        sys.stdout.writelines(difflib.unified_diff(
            [line + '\n' for line in lines[start:end]], [row + '\n' for row in rows],
            'README.md', 'from the CMake targets'))
        print('codemap: README.md is not current; run make codemap', file=sys.stderr)
        failed = True
    for folder in empty:
        print('codemap: README.md does not say what %s holds' % folder, file=sys.stderr)
        failed = True
    for problem in include_problems():
        print('codemap: ' + problem, file=sys.stderr)
        failed = True
    if not failed:
        print('codemap: the README code map is current')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
