#!/usr/bin/env python3
"""Writes the whole-catalogue session to standard output: every key of the
main window typed once, in table order; the first time a key opens a
calculator, every field of it gets a typical amount and 确定 is pressed; each
calculator is then left by its close box (a calculator that returns to
another one closes that one too). Keys come from the table tests' lists and
fields from `bookkeeper-replay` (`controls`).

    scripts/make_catalogue_script.py build/bin/bookkeeper-replay > tests/golden/catalogue_all_windows.script
"""
import re
import subprocess
import sys

ROOT = __file__.rsplit('/scripts/', 1)[0]
AMOUNTS = ['10000', '0.13', '12', '2500', '0.06', '3', '800', '1500.5', '36', '200']
RETURNS_TO = {18: 19, 25: 79}


def rows(name, pattern):
    text = open(f'{ROOT}/tests/unit/{name}', encoding='utf-8').read()
    return re.findall(pattern, text)


def main():
    replay = sys.argv[1]
    keys = [(int(n), k) for n, k in rows('table_keys.inc', r'\{(\d+), "((?:[^"\\]|\\.)*)"\}')]
    opens = {}
    for n, w in rows('route_windows.inc', r'\{(\d+), (\d+)\}'):
        opens.setdefault(int(n), []).append(int(w))
    layout = subprocess.run([replay], input=''.join(f'controls Form{f}\n' for f in range(2, 101)),
                            capture_output=True, text=True, check=True).stdout
    fields = {}
    for form, number in re.findall(r'^control Form(\d+) Text(\d+) ', layout, re.M):
        fields.setdefault(int(form), []).append(int(number))

    out = ['# The whole catalogue in one session: every key once, every calculator pressed',
           '# once with typical amounts in all its fields. Written by scripts/make_catalogue_script.py.']
    typed = set()
    pressed = set()
    for rule, key in keys:
        if key in typed or not key:
            continue
        typed.add(key)
        windows = [w for n, k in keys if k == key for w in opens.get(n, [])]
        out += [f'set Form1.Text1 {key}', 'click Form1.Command1']
        for form in windows:
            if form not in pressed:
                pressed.add(form)
                out += [f'set Form{form}.Text{t} {AMOUNTS[i % len(AMOUNTS)]}' for i, t in enumerate(fields[form])]
                out.append(f'click Form{form}.Command1')
            out.append(f'close Form{form}')
            if form in RETURNS_TO:
                out.append(f'close Form{RETURNS_TO[form]}')
    out.append('state')
    missing = set(range(2, 101)) - pressed
    if missing:
        sys.exit(f'calculators never opened: {sorted(missing)}')
    print('\n'.join(out))


main()
