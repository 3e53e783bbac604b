"""Scores the finder on real Bohairic verses whose numbers are labelled by hand.

    /usr/bin/python3 bench/real_texts.py [--cli build/bin/zefnaro-cli] [--python build/python] FILE...

Each FILE holds lines REF<TAB>EXPECTED<TAB>TEXT ('#' lines are comments): EXPECTED
is '-' or the numbers in reading order, VALUE[:o][:f|:m][:x] (ordinal, feminine or
masculine as the text marks it, fraction with VALUE its denominator). Prints the
share of numbers found, of those with the right form, the false finds, and every
miss, and whether the Python module finds the same as the command line; exits 1
when below --aim (98 % found and right, no false find) or when they differ.
"""
import argparse
import json
import subprocess
import sys


def labels(field):
    if field == '-':
        return []
    out = []
    for item in field.split(','):
        parts = item.split(':')
        flags = set(parts[1:])
        out.append({'value': int(parts[0]), 'ordinal': 'o' in flags,
                    'feminine': 'f' in flags, 'fraction': 'x' in flags})
    return out


def found_item(f):
    fraction = f['kind'] == 'fraction'
    return {'value': f['denominator'] if fraction else f['number'], 'ordinal': f['ordinal'],
            'feminine': not f['masculine'], 'fraction': fraction, 'text': f['text']}


def match(expected, found):
    """Pairs expected and found numbers in reading order by value (a longest common
    subsequence), so one miss does not shift the rest."""
    n, m = len(expected), len(found)
    best = [[0] * (m + 1) for _ in range(n + 1)]
    for i in range(n - 1, -1, -1):
        for j in range(m - 1, -1, -1):
            same = expected[i]['value'] == found[j]['value']
            best[i][j] = max(best[i + 1][j], best[i][j + 1], best[i + 1][j + 1] + 1 if same else 0)
    pairs, i, j = [], 0, 0
    while i < n and j < m:
        if expected[i]['value'] == found[j]['value'] and best[i][j] == best[i + 1][j + 1] + 1:
            pairs.append((i, j))
            i, j = i + 1, j + 1
        elif best[i + 1][j] >= best[i][j + 1]:
            i += 1
        else:
            j += 1
    return pairs


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('files', nargs='+')
    parser.add_argument('--cli', default='build/bin/zefnaro-cli')
    parser.add_argument('--aim', type=float, default=98.0)
    parser.add_argument('--python', default='build/python', help="where the zefnaro module is built")
    args = parser.parse_args()
    verses = []
    for name in args.files:
        with open(name, encoding='utf-8') as f:
            for line in f:
                line = line.rstrip('\n')
                if not line or line.startswith('#'):
                    continue
                ref, expected, text = line.split('\t', 2)
                verses.append((ref, labels(expected), text))
    # One run over all verses, a verse a line: the finds come back by line.
    run = subprocess.run([args.cli, '--find', '--json'], input='\n'.join(v[2] for v in verses) + '\n',
                         capture_output=True, text=True, check=True)
    finds = [json.loads(row) for row in run.stdout.splitlines()]
    try:  # the Python module, where it is built, finds the same
        sys.path.insert(0, args.python)
        import zefnaro
        same = zefnaro.find_numerals('\n'.join(v[2] for v in verses) + '\n') == finds
        print(f'Python finds the same as the command line: {"yes" if same else "NO"}')
    except ImportError:
        same = True
    by_line = {}
    for row in run.stdout.splitlines():
        f = json.loads(row)
        by_line.setdefault(f['line'], []).append(found_item(f))
    total = found = right = false = 0
    notes = []
    for number, (ref, expected, _) in enumerate(verses, start=1):
        got = by_line.get(number, [])
        pairs = match(expected, got)
        total += len(expected)
        found += len(pairs)
        false += len(got) - len(pairs)
        paired_e = {i for i, _ in pairs}
        paired_g = {j for _, j in pairs}
        for i, j in pairs:
            e, g = expected[i], got[j]
            if all(e[k] == g[k] for k in ('ordinal', 'feminine', 'fraction')):
                right += 1
            else:
                notes.append(f'{ref}: {g["text"]} read as {g} but labelled {e}')
        for i, e in enumerate(expected):
            if i not in paired_e:
                notes.append(f'{ref}: missed {e}')
        for j, g in enumerate(got):
            if j not in paired_g:
                notes.append(f'{ref}: false find {g["text"]} = {g["value"]}')
    share_found = 100 * found / total if total else 100.0
    share_right = 100 * right / found if found else 100.0
    print(f'{len(verses)} verses, {total} numbers: {found} found ({share_found:.1f} %), '
          f'{right} of them with the right form ({share_right:.1f} %), {false} false finds')
    for note in notes:
        print('  ' + note)
    return 0 if share_found >= args.aim and share_right >= args.aim and false == 0 and same else 1


if __name__ == '__main__':
    sys.exit(main())
