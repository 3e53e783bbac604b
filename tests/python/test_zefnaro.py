"""The Python module against the command line: both are libzefnaro, so they agree."""
import ast
import datetime
import json
import os
import pathlib
import re
import subprocess

import pytest
import zefnaro

CLI = os.environ["ZEFNARO_CLI"]
PIECES = ["digits", "english", "arabic", "arabic_digits", "coptic", "pronunciation", "pronunciation_arabic", "numerals",
          "coptic_unicode", "numerals_unicode"]
FORMS = [(False, False), (True, False), (False, True), (True, True)]
NUMBERS = [1, 2, 5, 10, 12, 19, 100, 101, 999, 1000, 2005, 20001,
           31415926, 500000000, 999999999]


def cli_lines(args, stdin=None):
    run = subprocess.run([CLI, *args], input=stdin, capture_output=True, text=True)
    return [json.loads(line) for line in run.stdout.splitlines()]


@pytest.mark.parametrize("ordinal,feminine", FORMS)
def test_write_gives_the_command_lines_pieces(ordinal, feminine):
    flags = ["--ordinal"] * ordinal + ["--feminine"] * feminine
    name = ("ordinal" if ordinal else "cardinal") + "-" + ("feminine" if feminine else "masculine")
    for n, line in zip(NUMBERS, cli_lines(["--json", *flags, *map(str, NUMBERS)])):
        pieces = {k: line[k] for k in PIECES}
        assert zefnaro.write(n, ordinal=ordinal, feminine=feminine) == pieces
        assert zefnaro.write(n, form=name) == pieces


@pytest.mark.parametrize("form,given", [("ordinal", {}), ("Ordinal-Feminine", {}), ("", {}),
                                        ("ordinal-feminine", {"ordinal": True})])
def test_write_refuses_a_form_that_is_none(form, given):
    with pytest.raises(ValueError):
        zefnaro.write(5, form=form, **given)


@pytest.mark.parametrize("text,number,read_as,ordinal,masculine", [
    ("2,005th", 2005, "digits", True, True),
    ("Two Thousand Five", 2005, "english", False, True),
    ("ألفان وخمس", 2005, "arabic", False, False),
    ("الخامس بعد الألفين", 2005, "arabic", True, True),
    ("٢٬٠٠٥", 2005, "digits", False, True),
    ("ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ", 2005, "coptic", False, True),
    ("esnav ensho tiw", 2005, "pronunciation", False, True),
    ("إسناف إنشو تيو", 2005, "pronunciation_arabic", False, True),
    ("ماه جوتي اوي", 21, "pronunciation_arabic", True, False),
    ("Ëb=e", 2005, "numerals", False, True),
    ("ⲃ̱ⲉ̅", 2005, "numerals", False, True),
    ("͵ⲃⲉ̅", 2005, "numerals", False, True),
    ("ⲕ͵ⲁ", 20001, "numerals", False, True),
    ("ⲕⲁʹ", 21, "numerals", False, True),
    ("ⲙⲁϩⲕ̅ⲁ̅ϯ", 21, "numerals", True, False),
    ("ⲁ̿̅ ⲃ̿ ⲉ̅.", 1002005, "numerals", False, True),
])
def test_read_every_form(text, number, read_as, ordinal, masculine):
    assert zefnaro.read(text) == {"number": number, "read_as": read_as,
                                  "ordinal": ordinal, "masculine": masculine}


@pytest.mark.parametrize("text", ["", "ⲓ̅ⲥ̅", "ⲃ̿ⲉ̅..", "0", "1,000,000,000", "ⲃ̱̿ⲉ̅", "͵"])
def test_read_raises_the_readers_message(text):
    [line] = cli_lines(["--json"], stdin=text + "\n") if text else [
        {"error": "empty input: expected a whole number from 1 to 999,999,999"}]
    with pytest.raises(ValueError) as raised:
        zefnaro.read(text)
    assert str(raised.value) == line["error"]


@pytest.mark.parametrize("number,error", [
    (0, ValueError), (-1, ValueError), (10**9, ValueError), (10**30, ValueError),
    ("5", TypeError), (5.0, TypeError), (None, TypeError)])
def test_write_refuses_what_is_not_a_number_it_writes(number, error):
    with pytest.raises(error):
        zefnaro.write(number)


def test_find_numerals_gives_what_find_json_gives():
    text = ("ⲁⲩⲱ ⲓ̅ⲃ̅ ⲛ̀ⲣⲱⲙⲓ ⲡⲉ ⲧⲉ ⲛⲉ\n"
            "ⲓ̅ⲥ̅ ⲡⲉⲭ̅ⲥ̅ ⲙⲁϩ ⲕ̅ⲁ̅ϯ ⲛ̀ⲣⲟⲙⲡⲓ\n"
            "\n"
            "ⲣ̅ⲙ̅ⲇ̅ ⲛ̀ϣⲟ ⲃ̿ ⲉ̅. ⲕⲁʹ\n"
            "ⲁϥϭⲓ ⲙ̀ⲡⲓⲍ̅ ⲛ̀ⲱⲓⲕ ⲙ̀ⲙⲁϩⲥⲛⲟⲩϯ ⲫⲣⲉⲅ̅ ⲛ̀ⲟⲩϣⲟ ⲛ̀ⲥ̅ ⲛⲉⲙ ⲝ̅ ⲡⲓⲡⲛ̅ⲁ̅")
    found = zefnaro.find_numerals(text)
    assert found == cli_lines(["--find", "--json"], stdin=text)
    assert [(f["line"], f["column"], f["number"], f["kind"]) for f in found] == \
        [(1, 5, 12, "numeral"), (2, 9, 21, "numeral"), (4, 1, 144000, "mixed"), (4, 9, 2005, "numeral"),
         (4, 14, 21, "numeral"), (5, 9, 7, "numeral"), (5, 17, 2, "words"), (5, 27, "1/3", "fraction"),
         (5, 32, 1260, "mixed")]


def test_type_hints_name_what_the_module_has():
    stub = ast.parse((pathlib.Path(zefnaro.__file__).parent / "_zefnaro.pyi").read_text())
    functions = {f.name: [a.arg for a in f.args.args + f.args.kwonlyargs] for f in stub.body
                 if isinstance(f, ast.FunctionDef)}
    for name, params in functions.items():
        signature = getattr(zefnaro, name).__doc__.splitlines()[0]
        assert re.findall(r"(\w+):", signature) == params, signature
    assert sorted(functions) == sorted(n for n in zefnaro.__all__ if callable(getattr(zefnaro, n)))
    keys = {c.name: [s.target.id for s in c.body if isinstance(s, ast.AnnAssign)]
            for c in stub.body if isinstance(c, ast.ClassDef)}
    assert keys["Pieces"] == list(zefnaro.write(7))
    assert keys["Reading"] == list(zefnaro.read("ⲍ̅"))
    assert keys["FoundNumeral"] == list(zefnaro.find_numerals("ⲫⲣⲉⲅ̅")[0])
    assert keys["CopticDate"] == list(zefnaro.coptic_date(datetime.date(2026, 12, 8)))


DAYS = [datetime.date(284, 8, 29), datetime.date(2023, 9, 11), datetime.date(2023, 9, 12),
        datetime.date(2026, 12, 8), datetime.date(2100, 9, 12), datetime.date(9999, 12, 31)]


def test_dates_give_the_command_lines_lines_and_come_back():
    lines = cli_lines(["--date", "-", "--json"], stdin="".join(f"{d}\n" for d in DAYS))
    for day, line in zip(DAYS, lines, strict=True):
        assert zefnaro.coptic_date(day) == line
        assert zefnaro.gregorian_date(line["coptic_year"], line["coptic_month"],
                                      line["coptic_day"]) == day


@pytest.mark.parametrize("call", [
    lambda: zefnaro.coptic_date(datetime.date(284, 8, 28)),
    lambda: zefnaro.gregorian_date(1742, 13, 6),
    lambda: zefnaro.gregorian_date(1743, 1, 31),
    lambda: zefnaro.gregorian_date(0, 1, 1),
    lambda: zefnaro.gregorian_date(9999, 1, 1)])  # in 10283, past datetime's years
def test_dates_that_are_no_days_raise_value_error(call):
    with pytest.raises(ValueError):
        call()


def test_easter_and_the_church_year_are_the_command_lines():
    assert zefnaro.easter(2027) == datetime.date(2027, 5, 2)
    assert zefnaro.easter(2100) == datetime.date(2100, 5, 2)
    with pytest.raises(ValueError):
        zefnaro.easter(100)
    assert zefnaro.church_year(1743) == cli_lines(["--church-year", "1743", "--json"])
    with pytest.raises(ValueError):
        zefnaro.church_year(10000)
    assert zefnaro.coptic_date(datetime.date(2026, 12, 9))["observances"] == ["nativity_fast", "weekly_fast"]


# Messages in the language asked: the command line's, for the same input, and an
# unknown language refused rather than taken for English.
@pytest.mark.parametrize("language", ["en", "ar", "en-XA", "ar-XB"])
def test_messages_in_the_language_asked(language):
    for text in ["foo", "12,34", "0", "ⲁ̅ ⲃ̅"]:
        with pytest.raises(ValueError) as raised:
            zefnaro.read(text, language=language)
        cli = subprocess.run([os.environ["ZEFNARO_CLI"], "--lang", language, text], capture_output=True,
                             text=True)
        assert cli.stderr == f"zefnaro-cli: {json.dumps(text, ensure_ascii=False)}: {raised.value}\n"
    with pytest.raises(ValueError) as raised:
        zefnaro.gregorian_date(1743, 3, 31, language=language)
    assert (str(raised.value) == "There is no 31 Hathor: every month but the last has 30 days") == (language == "en")
    names = {o["id"]: o["name"] for o in zefnaro.church_year(1743, language=language)}
    assert (names["easter"] == "Easter") == (language == "en")
    assert (names["easter"] == "عيد القيامة المجيد") == (language == "ar")


def test_an_unknown_language_is_refused():
    for call in [lambda: zefnaro.read("7", language="fr"), lambda: zefnaro.church_year(1743, language="EN")]:
        with pytest.raises(ValueError, match="zefnaro speaks en, ar"):
            call()


@pytest.mark.parametrize("call", [zefnaro.church_year, zefnaro.easter,
                                  lambda y: zefnaro.gregorian_date(y, 1, 1)])
@pytest.mark.parametrize("year,error", [(True, TypeError), (False, TypeError), (1743.0, TypeError),
                                        ("1743", TypeError), (None, TypeError), (2**31, ValueError),
                                        (-2**63, ValueError), (10**30, ValueError), (0, ValueError),
                                        (10000, ValueError)])
def test_years_are_years(call, year, error):
    with pytest.raises(error):
        call(year)

