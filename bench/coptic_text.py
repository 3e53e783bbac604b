"""Writes about N megabytes of made-up Bohairic running text to standard output: words,
stroked abbreviations of sacred names, and numerals in the ways texts write them, so
that zefnaro-cli --find has something real-sized to search.

    PYTHONPATH=build/python /usr/bin/python3 bench/coptic_text.py 10 > ten.txt
"""
import random
import sys

import zefnaro

WORDS = "ⲁⲩⲱ ⲡⲉ ⲧⲉ ⲛⲉ ⲛ̀ⲣⲱⲙⲓ ⲛ̀ⲧⲉ ⲫ̀ⲛⲟⲩϯ ⲉ̀ⲃⲟⲗ ϧⲉⲛ ⲡⲓⲕⲁϩⲓ ⲛ̀ⲣⲟⲙⲡⲓ ⲁϥϫⲟⲥ ⲛⲁϥ".split()
SACRED = "ⲓ̅ⲥ̅ ⲭ̅ⲥ̅ ⲡ̅ⲛ̅ⲁ̅ ⲑ̅ⲥ̅ ⲡ̅ⲟ̅ⲥ̅".split()


def numeral(rng):
    n = rng.randint(1, rng.choice([30, 1000, 100000, 999999999]))
    text = zefnaro.write(n, ordinal=rng.random() < 0.2)["numerals_unicode"]
    return text + "." if rng.random() < 0.1 else text


def main():
    megabytes = float(sys.argv[1]) if len(sys.argv) > 1 else 10
    rng = random.Random(1)
    out, size, line = [], 0, []
    while size < megabytes * 1_000_000:
        roll = rng.random()
        line.append(numeral(rng) if roll < 0.08 else rng.choice(SACRED) if roll < 0.12
                    else rng.choice(WORDS))
        if len(line) == 12:
            text = " ".join(line) + "\n"
            out.append(text)
            size += len(text.encode())
            line = []
    sys.stdout.write("".join(out))


if __name__ == "__main__":
    main()
