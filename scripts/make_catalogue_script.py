#!/usr/bin/env python3
"""Writes the whole-catalogue session to standard output: every key of the
main window typed once, in table order, each on a main window cleared by its
取消; the first time a key opens a calculator, every field of it gets a
typical amount and 确定 is pressed; each calculator is then left by its close
box (a calculator that returns to another one closes that one too). The
rule table (`rules`) and the fields (`controls`) come from
`bookkeeper-replay`.

    scripts/make_catalogue_script.py build/bin/bookkeeper-replay > tests/golden/catalogue_all_windows.script
"""
import re
import subprocess
import sys

AMOUNTS = ['10000', '0.13', '12', '2500', '0.06', '3', '800', '1500.5', '36', '200']

def main():
    replay = sys.argv[1]
    ask = lambda commands: subprocess.run([replay], input=commands, capture_output=True, text=True, check=True).stdout
    # Every calculator, and the window its close box returns to.
    returns = {int(f): int(r) for f, r in re.findall(r'^form Form(\d+) \[.*\] Form(\d+)$', ask('windows\n'), re.M)}
    if not returns:
        sys.exit(f'{replay} listed no windows')
    answer = ask('rules\n' + ''.join(f'controls Form{f}\n' for f in sorted(returns)))
    keys = []
    opens = {}
    for n, key, windows in re.findall(r'^rule (\d+) \[(.*)\]((?: Form\d+)*)$', answer, re.M):
        keys.append((int(n), key))
        opens[int(n)] = [int(w) for w in re.findall(r'Form(\d+)', windows)]
    if not keys:
        sys.exit(f'{replay} listed no rules')
    fields = {}
    for form, number in re.findall(r'^control Form(\d+) Text(\d+) ', answer, re.M):
        fields.setdefault(int(form), []).append(int(number))

    out = ['# The whole catalogue in one session: every key once, after 取消 on the main window, every',
           '# calculator pressed once with typical amounts in all its fields. Written by scripts/make_catalogue_script.py.',
           'amounts exact']
    typed = set()
    pressed = set()
    for rule, key in keys:
        if key in typed or not key:
            continue
        typed.add(key)
        windows = [w for n, k in keys if k == key for w in opens.get(n, [])]
        # 取消 first, so that each key prints from the top of the main window
        # and a new key leaves the lines of the others where they were.
        out += ['click Form1.Command3', f'set Form1.Text1 {key}', 'click Form1.Command1']
        for form in windows:
            if form not in pressed:
                pressed.add(form)
                out += [f'set Form{form}.Text{t} {AMOUNTS[i % len(AMOUNTS)]}' for i, t in enumerate(fields[form])]
                out.append(f'click Form{form}.Command1')
            out.append(f'close Form{form}')
            # Closing a linked window shows the one it was opened from.
            back = returns[form]
            while back in returns:
                out.append(f'close Form{back}')
                back = returns[back]
    out.append('state')
    missing = set(returns) - pressed
    if missing:
        sys.exit(f'calculators never opened: {sorted(missing)}')
    print('\n'.join(out))


main()
