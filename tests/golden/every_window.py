#!/usr/bin/env python3
"""Checks that the golden transcripts cover every calculator window the
catalogue has (the list comes from `bookkeeper-replay`'s `windows` and
`rules`, never a count):

- at least three worked examples, `expect FormN CAPTION AMOUNT` lines with a
  number for AMOUNT, outside the fault scripts (`*fault*`, `*overflow*`),
  whose figures are edge cases rather than examples;
- its layout in a `controls_*` script (`controls FormN`);
- in `routes_all_keys`, which types every key that opens a window, and which
  must therefore type every such key of the rule table;
- its title in `window_titles.log` (the `windows` answer);
- pressed in the whole-catalogue session, whose script must be the one
  `scripts/make_catalogue_script.py` writes now.

    tests/golden/every_window.py build/bin/bookkeeper-replay
"""
import collections
import pathlib
import re
import subprocess
import sys

GOLDEN = pathlib.Path(__file__).resolve().parent
CATALOGUE_MAKER = GOLDEN.parent.parent / 'scripts' / 'make_catalogue_script.py'
EXAMPLES = 3


def ask(replay, commands):
    return subprocess.run([replay], input=commands, capture_output=True, text=True, check=True).stdout


def is_fault_script(path):
    return 'fault' in path.stem or 'overflow' in path.stem


def worked_examples():
    """How many amount `expect` lines each window has outside the fault scripts."""
    count = collections.Counter()
    for script in sorted(GOLDEN.glob('*.script')):
        if is_fault_script(script):
            continue
        for line in script.read_text(encoding='utf-8').splitlines():
            m = re.match(r'^expect Form(\d+) (.+) (\S+)$', line.rstrip('\r'))
            if m and not m.group(2).startswith('[') and re.fullmatch(r'[-+]?[0-9.]+(?:[Ee][-+]?[0-9]+)?', m.group(3)):
                count[int(m.group(1))] += 1
    return count


def read(name):
    return (GOLDEN / name).read_text(encoding='utf-8')


def main():
    replay = sys.argv[1]
    calculators = [int(f) for f in re.findall(r'^form Form(\d+) \[.*\] Form\d+$', ask(replay, 'windows\n'), re.M)]
    if not calculators:
        sys.exit(f'{replay} listed no calculator windows')
    opening_keys = {key for key, forms in re.findall(r'^rule \d+ \[(.*)\]((?: Form\d+)+)$', ask(replay, 'rules\n'), re.M)}

    examples = worked_examples()
    laid_out = {int(f) for path in GOLDEN.glob('controls_*.script')
                for f in re.findall(r'^controls Form(\d+)\s*$', path.read_text(encoding='utf-8'), re.M)}
    routes = read('routes_all_keys.script')
    routed = {int(f) for f in re.findall(r'\bForm(\d+)\.Command', routes)}
    typed = set(re.findall(r'^set Form1\.Text1 (.*?)\r?$', routes, re.M))
    titled = {int(f) for f in re.findall(r'^form Form(\d+) \[', read('window_titles.log'), re.M)}
    catalogue = read('catalogue_all_windows.script')
    pressed = {int(f) for f in re.findall(r'^click Form(\d+)\.Command1\s*$', catalogue, re.M)}

    faults = []
    for form in calculators:
        if examples[form] < EXAMPLES:
            faults.append(f'Form{form}: {examples[form]} worked examples (expect Form{form} CAPTION AMOUNT), '
                          f'fewer than {EXAMPLES}')
        if form not in laid_out:
            faults.append(f'Form{form}: no "controls Form{form}" in a controls_*.script')
        if form not in routed:
            faults.append(f'Form{form}: not opened in routes_all_keys.script')
        if form not in titled:
            faults.append(f'Form{form}: no title in window_titles.log')
        if form not in pressed:
            faults.append(f'Form{form}: not pressed in catalogue_all_windows.script')
    for key in sorted(opening_keys - typed):
        faults.append(f'the key {key} opens a window but is not typed in routes_all_keys.script')

    made = subprocess.run([sys.executable, str(CATALOGUE_MAKER), replay], capture_output=True, text=True,
                          check=True).stdout
    if made != catalogue:
        faults.append('catalogue_all_windows.script is not what scripts/make_catalogue_script.py writes now: '
                      'remake it and its log')

    for fault in faults:
        print(fault)
    if faults:
        sys.exit(f'{len(faults)} faults in the coverage of {len(calculators)} calculator windows')
    print(f'{len(calculators)} calculator windows, each with at least {EXAMPLES} worked examples, laid out, '
          f'routed, titled and pressed in the golden transcripts')


main()
