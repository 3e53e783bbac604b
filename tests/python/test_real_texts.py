"""The real-text bench's score, on labelled verses written here: numbers found, forms
right, false finds and misses counted as a reader would count them."""
import os
import pathlib
import subprocess
import sys

BENCH = pathlib.Path(__file__).resolve().parents[2] / "bench" / "real_texts.py"

VERSES = [
    # all found, with their forms
    ("Gen 1:1", "7:m,3:o:f,1000", "ⲁϥϭⲓ ⲙ̀ⲡⲓⲍ̅ ⲛ̀ⲱⲓⲕ ϧⲉⲛ ϯⲙⲁϩ ⲅ̅ ⲛ̀ⲣⲟⲙⲡⲓ ⲁⲓϯ ⲛ̀ϣⲟ ⲛ̀ⲕⲓϯ"),
    # a fraction, and a number labelled that no rule finds (ⲟⲩⲁⲓ alone): one miss
    ("Gen 1:2", "3:x,1,12", "ⲉ̀ϯ ⲙ̀ⲫⲣⲉⲅ̅ ⲟⲩⲁⲓ ⲛ̀ⲛⲓⲙⲁⲑⲏⲧⲏⲥ ⲙ̀ⲓ̅ⲃ̅"),
    # labelled masculine where the text has the feminine ending: a wrong form
    ("Gen 1:3", "3", "ⲅ̅ϯ ⲛ̀ⲣⲟⲙⲡⲓ"),
    # no number labelled, one numeral written: a false find; holy names are none
    ("Gen 1:4", "-", "ⲓⲏ̅ⲥ̅ ⲡⲭ̅ⲥ̅ ⲡⲓⲡⲛ̅ⲁ̅ ⲉ̅"),
]


def test_the_score_counts_found_right_false_and_missed(tmp_path):
    labelled = tmp_path / "verses.tsv"
    labelled.write_text("# REF EXPECTED TEXT\n" + "".join(f"{r}\t{e}\t{t}\n" for r, e, t in VERSES),
                        encoding="utf-8")
    run = subprocess.run([sys.executable, str(BENCH), "--cli", os.environ["ZEFNARO_CLI"], str(labelled)],
                         capture_output=True, text=True)
    lines = run.stdout.splitlines()
    assert run.returncode == 1, run.stdout
    score = next(l for l in lines if "verses" in l)
    assert score.startswith("4 verses, 7 numbers: 6 found (85.7 %), 5 of them with the right form (83.3 %), "
                            "1 false finds"), score
    notes = [l.strip() for l in lines if l.startswith("  ")]
    assert any(n.startswith("Gen 1:2: missed {'value': 1") for n in notes), notes
    assert any(n.startswith("Gen 1:3: ⲅ̅ϯ read as") for n in notes), notes
    assert any(n == "Gen 1:4: false find ⲉ̅ = 5" for n in notes), notes
