"""The catalogues hold together: every language has what English has, with no
place ({1}, {2} …) English lacks and the same access keys; no English is left in
the Arabic outside what is isolated (U+2068 … U+2069) or named as it is typed; and
every text the windows pass to tr() is in the catalogue, so none shows in English
in another language.

Usage: catalogue_check.py LANGUAGES_DIR SOURCE_DIR..."""
import codecs
import json
import pathlib
import re
import sys

languages = pathlib.Path(sys.argv[1])
english = json.loads((languages / "en.json").read_text(encoding="utf-8"))
faults = []
for path in sorted(languages.glob("*.json")):
    if path.name == "en.json":
        continue
    other = json.loads(path.read_text(encoding="utf-8"))
    if set(other) != set(english):
        faults.append(f"{path.name}: keys differ from en.json: {sorted(set(other) ^ set(english))[:5]}")
    for key, text in other.items():
        source = english.get(key, "")
        if not set(re.findall(r"\{\d\}", text)) <= set(re.findall(r"\{\d\}", source)):
            faults.append(f"{path.name} {key}: a place English does not have: {text!r}")
        access = re.search(r"&(\w)", source)
        if access and f"(&{access.group(1).upper()})" not in text and f"&{access.group(1)}" not in text:
            faults.append(f"{path.name} {key}: access key {access.group(1)!r} lost: {text!r}")
        if path.name != "ar.json":
            continue
        bare = re.sub("\u2068[^\u2069]*\u2069", "", text)
        bare = re.sub(r"\(&\w\)|\{\d\}|Ctrl\+S|Enter|PDF|OpenDocument|UTF-8|SIL OFL|CSV|CS|Page Up|Page Down|"
                      r"\*\.\w+|\.pdf|\.ics|iCalendar|Zefnaro|--[a-z-]+|NUMBER|Letter", "", bare)
        if re.search(r"[A-Za-z]", bare):
            faults.append(f"ar.json {key}: English left in {text!r}")

known = {re.sub(r"%(\d)", r"{\1}", text) for text in english.values()}
literal = r'"((?:[^"\\]|\\.)*)"'
calls = re.compile(r'\btr\(\s*' + literal + r'|(?:translate|TRANSLATE_NOOP)\(\s*"[^"]*"\s*,\s*' + literal)
for folder in sys.argv[2:]:
    for path in sorted(pathlib.Path(folder).rglob("*.cpp")):
        code = path.read_text(encoding="utf-8")
        # Adjacent literals are one string, as the compiler joins them.
        code = re.sub(r'"\s*\n\s*"', "", code)
        for match in calls.finditer(code):
            text = (match.group(1) if match.group(1) is not None else match.group(2))
            text = re.sub(r"\\u([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), text)
            text = codecs.escape_decode(text.encode("utf-8"))[0].decode("utf-8")
            if re.sub(r"%(\d)", r"{\1}", text) not in known:
                faults.append(f"{path}: tr() text not in the catalogue: {text!r}")
# The page's texts: t('…') in its scripts, and what its HTML marks for translation.
page_calls = re.compile(r"""\bt\(\s*'((?:[^'\\]|\\.)*)'\s*[,)]""")
marked = re.compile(r'data-text[^>]*>([^<]+)<|aria-label="([^"]+)"|placeholder="([^"]+)"|<title>([^<]+)</title>')
for folder in sys.argv[2:]:
    for path in sorted(pathlib.Path(folder).glob("*.js")):
        for match in page_calls.finditer(path.read_text(encoding="utf-8")):
            text = match.group(1).encode("utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8")
            if re.sub(r"%(\d)", r"{\1}", text) not in known:
                faults.append(f"{path}: t() text not in the catalogue: {text!r}")
    for path in sorted(pathlib.Path(folder).glob("*.html")):
        for match in marked.finditer(path.read_text(encoding="utf-8")):
            text = next(g for g in match.groups() if g is not None).strip()
            text = text.replace("&amp;", "&")
            if text not in known:
                faults.append(f"{path}: marked text not in the catalogue: {text!r}")
print("\n".join(faults))
sys.exit(1 if faults else 0)
