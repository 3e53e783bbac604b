#!/usr/bin/env python3
"""Plants a one-character change into each half of each word-list entry in turn
(engine/lexicon.cpp), builds the engine and report tests against it and checks
that they fail. Prints every change that passed unnoticed and the total caught.
Not part of CI: it takes a few minutes. Usage: python3 scripts/mutate-word-lists.py"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

root = pathlib.Path(__file__).resolve().parent.parent
work = pathlib.Path(tempfile.mkdtemp(prefix="zefnaro-mutants-"))
src, build = work / "src", work / "build"
shutil.copytree(root, src, ignore=shutil.ignore_patterns(".git", "build*"))
lexicon = src / "engine" / "lexicon.cpp"
original = lexicon.read_text(encoding="utf-8")
targets = ["engine_tests", "report_tests"]


def run(*args):
    return subprocess.run(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode


def suite_fails():
    if run("cmake", "--build", str(build), "--target", *targets) != 0:
        return True  # a change that does not compile is caught too
    return any(run(str(build / "bin" / t), "--gtest_fail_fast", "--gtest_brief=1") != 0
               for t in targets)


def mutants():
    """(description, mutated source) for each half of each "a#b" literal."""
    for m in re.finditer(r'"([^"#]*)#([^"]*)"', original):
        for group in (1, 2):
            start = m.start(group)
            old = original[start]
            new = "x" if old != "x" else "y"
            label = f'"{m.group(1)}#{m.group(2)}" {"first" if group == 1 else "second"} half'
            yield label, original[:start] + new + original[start + 1:]


if run("cmake", "-S", str(src), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
       "-DZEFNARO_GUI=OFF", "-DZEFNARO_BENCH=OFF") != 0 or suite_fails():
    sys.exit("the unchanged suite does not build and pass; nothing to measure")

caught, missed = 0, []
for label, text in mutants():
    lexicon.write_text(text, encoding="utf-8")
    if suite_fails():
        caught += 1
    else:
        missed.append(label)
        print("not caught:", label, flush=True)
lexicon.write_text(original, encoding="utf-8")
total = caught + len(missed)
print(f"word-list mutants: {caught} of {total} caught, {len(missed)} missed")
shutil.rmtree(work, ignore_errors=True)
sys.exit(1 if missed else 0)
