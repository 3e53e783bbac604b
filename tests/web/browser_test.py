#!/usr/bin/env python3
"""The site in Debian's Chromium: the reports of numbers in the four forms hold the
command line's pieces; typing, refused keys, pasting, the address and Back work; the
date view shows the command line's report of a day and keeps its fields in step; a
phone's width needs no sideways scrolling; and it keeps working with the server gone.
axe-core finds no accessibility violations in the light and the dark theme.
Usage: browser_test.py SITE_DIR ZEFNARO_CLI AXE_MIN_JS"""
import base64
import functools
import gzip
import io
import http.server
import json
import pathlib
import re
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

from PIL import Image
from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

site, cli, axe = sys.argv[1:4]
class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


handler = functools.partial(Quiet, directory=site)
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
threading.Thread(target=server.serve_forever, daemon=True).start()
url = f"http://127.0.0.1:{server.server_address[1]}/"

options = webdriver.ChromeOptions()
for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars"]:
    options.add_argument(argument)
options.binary_location = "/usr/bin/chromium"
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def lines():
    return driver.execute_script(
        "return [...document.querySelectorAll('#report p')].map(p => p.textContent)")


def box():
    return driver.find_element(By.ID, "number")


def settle(test):
    WebDriverWait(driver, 5).until(lambda d: test())


axe_script = open(axe, encoding="utf-8").read()


def axe_violations():
    driver.execute_script(axe_script)
    return driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "axe.run(document).then(r => done(r.violations.map(v => v.id + ': ' + v.nodes.length)))")


try:
    # Whatever the page's policy blocks is counted, from the first byte on.
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source":
        "window.blocked = []; document.addEventListener('securitypolicyviolation',"
        " e => window.blocked.push(e.violatedDirective + ' ' + e.blockedURI))"})
    driver.set_window_size(1200, 900)

    # The page comes with its first report: with no script at all it shows the
    # command line's report of 1.
    one = json.loads(subprocess.run([cli, "--json", "1"], capture_output=True, text=True, check=True).stdout)
    driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": True})
    driver.get(url)
    shown = lines()
    check(len(shown) == 23 and [shown[3], shown[7], shown[11], shown[15], shown[19]] ==
          [one["digits"], one["english"], one["coptic_unicode"], one["pronunciation"], one["numerals_unicode"]],
          f"the page without scripts shows {shown}")
    driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": False})
    # Before the engine arrives (blocked here), the page shows that report only where
    # the engine then shows the same: never another number's, view's or language's.
    # (address, language kept from before, the browser's languages, whether it stands)
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
    agent = driver.execute_script("return navigator.userAgent")
    for address, kept, browser_languages, stands in [
            ("", None, "en-US,en", True), ("#1", None, "en-US,en", True), ("?lang=en", "ar", "ar", True),
            ("#2005", None, "en-US,en", False), ("#1/ordinal", None, "en-US,en", False),
            ("#date", None, "en-US,en", False), ("?lang=ar", None, "en-US,en", False),
            ("", "ar", "en-US,en", False), ("", None, "ar-EG,ar", False), ("", None, "fr-FR,ar", False)]:
        driver.execute_cdp_cmd("Network.setUserAgentOverride", {"userAgent": agent, "acceptLanguage": browser_languages})
        driver.get(url + "manifest.webmanifest")
        driver.execute_script("localStorage.clear(); if (arguments[0]) localStorage.setItem('zefnaro-language', arguments[0])",
                              kept)
        driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": ["*first.wasm", "*first.mjs"]})
        driver.get(url + address)
        before = driver.execute_script("return document.getElementById('report').innerHTML")
        driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": []})
        driver.get("about:blank")
        driver.get(url + address)
        settle(lambda: driver.execute_script("return performance.getEntriesByName('first-report').length"))
        after = driver.execute_script("return document.getElementById('report').innerHTML")
        check(before == (after if stands else "") and after != "",
              f"{address!r} kept {kept} in {browser_languages}: before the engine {before[:60]!r}, "
              f"then {after[:60]!r}")
    driver.execute_cdp_cmd("Network.setUserAgentOverride", {"userAgent": agent, "acceptLanguage": "en-US,en"})
    driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": False})
    driver.get(url + "manifest.webmanifest")
    driver.execute_script("localStorage.clear()")

    driver.get(url)
    settle(lambda: driver.execute_script("return performance.getEntriesByName('first-report').length"))
    # The first report waits only for the number's view: the small engine, no
    # other view and not the whole engine, 150 KB at most gzipped with the page.
    fetched = driver.execute_script(
        "const mark = performance.getEntriesByName('first-report')[0].startTime;"
        "return performance.getEntriesByType('resource').filter(r => r.startTime < mark)"
        ".map(r => new URL(r.name).pathname.slice(1))")
    first_load = sum(len(gzip.compress((pathlib.Path(site) / name).read_bytes(), 9))
                     for name in set(fetched) | {"index.html"})
    print(f"first load: {first_load:,} bytes gzipped, {sorted(set(fetched))}")
    check(first_load <= 150_000 and "zefnaro.wasm" not in fetched and "date.js" not in fetched,
          f"the first load: {first_load} bytes, {fetched}")
    policy = driver.execute_script(
        "return document.querySelector('meta[http-equiv=Content-Security-Policy]')?.content ?? ''")
    # Scripts and styles from the site, and the page's own inline ones by their hashes only.
    scripts = re.search(r"script-src ([^;]*)", policy)
    check(scripts is not None and "'wasm-unsafe-eval'" in scripts[1] and "unsafe-inline" not in policy and
          all(s in ("'self'", "'wasm-unsafe-eval'") or s.startswith("'sha256-") for s in scripts[1].split()),
          f"the page's policy: {policy!r}")

    # Each report's pieces are the command line's, in the four forms.
    numbers = [1, 2, 10, 11, 19, 20, 21, 99, 100, 101, 1000, 2005, 10000, 123456, 1000000, 999999999]
    for flags, forms in [([], ""), (["--ordinal"], "/ordinal"), (["--feminine"], "/feminine"),
                         (["--ordinal", "--feminine"], "/ordinal/feminine")]:
        out = subprocess.run([cli, "--json", *flags, *map(str, numbers)], capture_output=True,
                             text=True, check=True).stdout.splitlines()
        for n, line in zip(numbers, out):
            want = json.loads(line)
            driver.execute_script(f"location.hash = '{n}{forms}'")
            settle(lambda: lines()[3] == want["digits"])
            shown = lines()
            check([shown[7], shown[11], shown[15], shown[19]] ==
                  [want["english"], want["coptic_unicode"], want["pronunciation"], want["numerals_unicode"]],
                  f"{n}{forms}: {shown}")
            check(box().get_attribute("value") == str(n), f"{n}{forms}: the box shows {box().get_attribute('value')}")

    # Typing: digits only, nine at most; Up and Page Up step; Back steps back.
    box().clear()
    box().send_keys("12a3")
    check(box().get_attribute("value") == "123", f"12a3 typed gives {box().get_attribute('value')}")
    box().send_keys("4567890")
    check(box().get_attribute("value") == "123456789", "a tenth digit was taken")
    check("Nine digits" in driver.find_element(By.ID, "status").text, "no word about the tenth digit")
    box().send_keys(Keys.ARROW_UP)
    settle(lambda: box().get_attribute("value") == "123456790")
    box().send_keys(Keys.PAGE_DOWN)
    settle(lambda: box().get_attribute("value") == "123455790")
    driver.back()
    settle(lambda: box().get_attribute("value") == "123456790")
    hash = driver.execute_script("return location.hash")
    check(hash == "#123456790/ordinal/feminine", f"Back left the address at {hash}")

    # Pasting any written form reads it, with the reader's message when it is none.
    for text, number, ordinal in [("ⲙⲁϩ ⲃ̿ⲉ̅", "2005", True), ("twenty-one", "21", False),
                                  ("esnav ensho tiw", "2005", False)]:
        driver.execute_script("document.getElementById('ordinal').checked = false")
        driver.execute_script(
            "const d = new DataTransfer(); d.setData('text/plain', arguments[0]);"
            "document.getElementById('number').dispatchEvent("
            "new ClipboardEvent('paste', {clipboardData: d, bubbles: true, cancelable: true}))", text)
        settle(lambda: box().get_attribute("value") == number)
        check(driver.find_element(By.ID, "ordinal").is_selected() == ordinal, f"{text}: ordinal switch")
    driver.execute_script(
        "const d = new DataTransfer(); d.setData('text/plain', 'ⲃ̿ⲃ̿');"
        "document.getElementById('number').dispatchEvent("
        "new ClipboardEvent('paste', {clipboardData: d, bubbles: true, cancelable: true}))")
    check("thousands already have" in driver.find_element(By.ID, "status").text, "no reader's message")
    # A message stays only while what it speaks of is shown: Back past a read paste
    # shows the number before it, and the message is gone.
    box().send_keys(Keys.CONTROL, "a", Keys.NULL, Keys.BACKSPACE, "2005")
    settle(lambda: lines()[3:4] == ["2,005"])
    driver.execute_script(
        "const d = new DataTransfer(); d.setData('text/plain', 'ⲁ̿̅ⲃ̿ⲉ̅');"
        "document.getElementById('number').dispatchEvent("
        "new ClipboardEvent('paste', {clipboardData: d, bubbles: true, cancelable: true}))")
    settle(lambda: lines()[3:4] == ["1,002,005"])
    check("1,002,005" in driver.find_element(By.ID, "status").text, "the paste was not said")
    driver.back()
    settle(lambda: lines()[3:4] == ["2,005"])
    check(driver.find_element(By.ID, "status").text == "",
          f"after Back: {driver.find_element(By.ID, 'status').text!r}")

    # What a numeral letter stands for, for the eye and for screen readers.
    driver.execute_script("location.hash = '500000000'")
    settle(lambda: lines()[3] == "500,000,000")
    letter = driver.find_element(By.CSS_SELECTOR, ".piece-numerals .letter")
    check(letter.get_attribute("aria-label") == "ⲫ̿̅ = 500 × 1,000,000", f"tip: {letter.get_attribute('aria-label')}")
    letter.click()
    check(driver.find_element(By.ID, "tip").text == "ⲫ̿̅ = 500 × 1,000,000", "no tip when the letter is tapped")

    blocked = driver.execute_script("return window.blocked")
    check(blocked == [], f"the page's policy blocked {blocked}")

    # Copy, and Ctrl+C with nothing selected: the report as HTML and as text; and
    # in the CS fonts' text.
    driver.execute_cdp_cmd("Browser.grantPermissions", {"origin": url.rstrip("/"),
                           "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    read_clipboard = ("const done = arguments[arguments.length - 1];"
                      "navigator.clipboard.read().then(async items => done(await Promise.all("
                      "items[0].types.map(async t => [t, await (await items[0].getType(t)).text()]))))"
                      ".catch(e => done(String(e)))")
    driver.execute_script("location.hash = '2005/feminine'")
    settle(lambda: lines()[3] == "2,005")
    driver.find_element(By.ID, "copy").click()
    settle(lambda: "Copied" in driver.find_element(By.ID, "status").text)
    copied = dict(driver.execute_async_script(read_clipboard))
    check(copied.get("text/plain", "").split("\n")[19] == "ⲃ̿ⲉ̅ϯ", f"copied text: {copied.get('text/plain')!r}")
    html = copied.get("text/html", "")  # the browser writes the styles inline, colours as rgb()
    check("Zefnaro Coptic" in html and ("#ff0000" in html or "rgb(255, 0, 0)" in html),
          "the copied HTML lacks the Coptic font or the Coptic line's colour")
    driver.find_element(By.ID, "copy-font-text").click()
    settle(lambda: "CS font text" in driver.find_element(By.ID, "status").text)
    copied = dict(driver.execute_async_script(read_clipboard))
    check(copied.get("text/plain", "").split("\n")[19] == "Ëb=e]", f"font text: {copied.get('text/plain')!r}")
    box().send_keys(Keys.CONTROL, "c")
    settle(lambda: driver.find_element(By.ID, "status").text == "Copied the report")
    # Chromium reads a copied page's <style> under the page's policy while it puts
    # the styles inline, and says so; the copy keeps them (checked above).
    driver.execute_script("window.blocked = []")

    # A phone: 360 pixels wide, nothing to scroll sideways, the longest report too.
    driver.set_window_size(360, 740)
    driver.execute_script("location.hash = '777777777/ordinal/feminine'")
    settle(lambda: lines()[3] == "777,777,777th")
    width = driver.execute_script("return document.documentElement.scrollWidth")
    check(width <= driver.execute_script("return innerWidth"), f"{width} px wide at 360")

    # The strokes of ⲁ̿̅ⲥ̿ⲗ̿ⲇ̿ⲫ̅ⲝ̅ⲍ̅ as drawn: three bands of rows above the letters, each
    # straight (every row of a band as long), the lowest over all three ranks,
    # the next over millions and thousands, the top over the millions letter
    # alone, and each broken between ranks.
    driver.set_window_size(900, 900)
    driver.execute_script("location.hash = '1234567'")
    settle(lambda: lines()[3] == "1,234,567")
    line = driver.find_element(By.CSS_SELECTOR, ".piece-numerals")
    driver.execute_script("arguments[0].style.paddingTop = '1em'", line)  # room for the strokes
    image = Image.open(io.BytesIO(line.screenshot_as_png)).convert("RGB")
    ink = [[image.getpixel((x, y))[2] < 120 for x in range(image.width)] for y in range(image.height)]
    # Blocks of rows with ink: the stroke bands, then the letters (with ⲫ's stem).
    blocks, top = [], None
    for y in range(image.height + 1):
        inked = y < image.height and any(ink[y])
        if inked and top is None:
            top = y
        elif not inked and top is not None:
            blocks.append((top, y))
            top = None
    bands = []
    for top, bottom in blocks[:-1]:
        middle = ink[(top + bottom) // 2]
        runs = sum(1 for x in range(image.width) if middle[x] and (x == 0 or not middle[x - 1]))
        widths = {sum(ink[y]) for y in range(top, bottom)}
        # one rank drawn a pixel higher or lower would leave a letter's width unmatched
        bands.append((bottom - top, runs, max(widths) - min(widths) <= 2 * runs))
    check([(runs, straight) for _, runs, straight in bands] == [(1, True), (2, True), (3, True)],
          f"strokes of 1,234,567 from the top (rows, runs, straight): {bands}")
    driver.execute_script("arguments[0].style.paddingTop = ''", line)

    # The date view: the command line's report of the day; the Coptic fields move
    # the Gregorian one (a day past the month's end brought back), a typed Coptic
    # date moves both; each day shown is a step Back returns to.
    driver.set_window_size(1200, 900)
    driver.execute_script("location.hash = 'date/2026-12-08'")
    settle(lambda: "Tuesday, 8 December 2026" in lines())
    want = subprocess.run([cli, "--date", "2026-12-08"], capture_output=True, text=True,
                          check=True).stdout
    check(lines() == want[:-1].split("\n"), f"the day's report: {lines()}")
    tips = driver.execute_script("return [...document.querySelectorAll('.piece-numerals .letter')]"
                                 ".map(l => l.getAttribute('aria-label'))")
    check(tips == ["ⲕ̅ = 20", "ⲑ̅ = 9", "ⲁ̿ = 1 × 1,000", "ⲯ̅ = 700", "ⲙ̅ = 40", "ⲅ̅ = 3"],
          f"the day's numeral letters: {tips}")
    field = lambda name: driver.find_element(By.ID, name)
    field("coptic-year").clear()
    field("coptic-year").send_keys("1742", Keys.TAB)
    Select(field("coptic-month")).select_by_value("13")
    field("coptic-day").clear()
    field("coptic-day").send_keys("6", Keys.TAB)
    settle(lambda: field("gregorian").get_attribute("value") == "2026-09-10")
    check(field("coptic-day").get_attribute("value") == "5", "6 Pi Kogi Enavot 1742 AM was kept")
    check(driver.execute_script("return location.hash") == "#date/2026-09-10", "the address lags")
    driver.execute_script("arguments[0].value = 'ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅'", field("coptic-text"))
    field("coptic-text").send_keys(Keys.ENTER)
    settle(lambda: field("gregorian").get_attribute("value") == "2026-12-08")
    check([field(f).get_attribute("value") for f in ("coptic-day", "coptic-month", "coptic-year")] ==
          ["29", "3", "1743"], "the Coptic fields after a typed date")
    field("coptic-text").clear()
    field("coptic-text").send_keys("31 Hathor 1743", Keys.ENTER)
    settle(lambda: "There is no 31 Hathor" in field("status").text)
    driver.back()
    settle(lambda: field("gregorian").get_attribute("value") == "2026-09-10")
    # A number dropped on the day's report is no day: the day stays shown.
    shown = lines()
    driver.execute_script(
        "const d = new DataTransfer(); d.setData('text/plain', '2005');"
        "document.getElementById('report').dispatchEvent("
        "new DragEvent('drop', {dataTransfer: d, bubbles: true, cancelable: true}))")
    check(lines() == shown, "a drop on the day's report replaced it")
    field("view-numbers").click()
    settle(lambda: len(lines()) == 23)

    blocked = driver.execute_script("return window.blocked")
    check(blocked == [], f"the page's policy blocked {blocked}")

    # axe-core in both themes, at a phone's width and a desktop's, in both views.
    for width, scheme, view in [(360, "light", "2005"), (1200, "dark", "2005"),
                                (360, "dark", "date/2026-12-08"), (1200, "light", "date/2026-12-08")]:
        driver.set_window_size(width, 900)
        driver.execute_script(f"location.hash = '{view}'")
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                               {"features": [{"name": "prefers-color-scheme", "value": scheme}]})
        found = axe_violations()
        check(found == [], f"axe, {scheme} at {width}, #{view}: {found}")

    # Practice: a round in each mode with a right, a wrong and an unreadable answer,
    # checked as the command line's pieces say; the keypad at a phone's width; a
    # double tap; a reload in the middle of a round.
    driver.set_window_size(360, 900)
    driver.get(url + "#practice")
    driver.execute_script("localStorage.removeItem('zefnaro-practice')")
    driver.refresh()
    field = lambda name: driver.find_element(By.ID, name)
    settle(lambda: field("practice-question").text != "")
    verdict = lambda: field("practice-verdict").text
    score = lambda: field("practice-score").text

    def pieces(question_text, writes):
        if not writes:
            read = json.loads(subprocess.run([cli, "--json", question_text], capture_output=True, text=True,
                                             check=True).stdout)
            # "so" is the font text of a thousand and the pronunciation of a feminine
            # six: the reader takes the Coptic text, the pronunciation question means six.
            if read["number"] > 100 and question_text.split(" ")[-1] == "so":
                read["number"] = 6
            return read["number"], read
        number = int("".join(c for c in question_text.split(" ")[0] if c.isdigit()))
        flags = ["--ordinal"] * (not question_text.split(" ")[0].isdigit() and not
                                 question_text.split(" ")[0].replace(",", "").isdigit())
        flags += ["--feminine"] * ("(feminine)" in question_text)
        return number, json.loads(subprocess.run([cli, "--json", *flags, str(number)], capture_output=True,
                                                 text=True, check=True).stdout)

    def answer(text):
        box_ = field("practice-answer")
        box_.clear()
        driver.execute_script("arguments[0].value = arguments[1];"
                              "arguments[0].dispatchEvent(new Event('input'))", box_, text)
        box_.send_keys(Keys.ENTER)

    checked = 0
    for mode, writes in [("numerals", False), ("coptic", False), ("pronunciation", False),
                         ("write-numerals", True), ("write-coptic", True)]:
        Select(field("practice-ask")).select_by_value(mode)
        Select(field("practice-range")).select_by_value("100")
        for kind in ["right", "wrong", "unreadable"]:
            settle(lambda: field("practice-question").text != "")
            number, line = pieces(field("practice-question").text, writes)
            if kind == "right":
                text = (line["numerals_unicode"] if mode == "write-numerals" else line["coptic_unicode"]) \
                    if writes else str(number)
            elif kind == "wrong":
                other = json.loads(subprocess.run([cli, "--json", str(number % 99 + 1)], capture_output=True,
                                                  text=True, check=True).stdout)
                text = (other["numerals_unicode"] if mode == "write-numerals" else other["coptic_unicode"]) \
                    if writes else str(number % 99 + 1)
            else:
                text = "xyz"
            answer(text)
            checked += 1
            expected = {"right": "Right!", "wrong": "Not yet:", "unreadable": "Not yet: "}[kind]
            settle(lambda: verdict() != "")
            check(verdict().startswith(expected), f"{mode}, {kind} answer {text!r}: {verdict()!r}")
            if kind != "right":
                check("The answer is" in verdict() and len(lines()) == 23,
                      f"{mode}, {kind}: no answer or report shown: {verdict()!r}")
            if kind == "unreadable":
                check("not a number Zefnaro can read" in verdict() or "is not a Coptic number word" in verdict(),
                      f"{mode}: the unreadable answer's reason: {verdict()!r}")
            time.sleep(0.45)  # a second Enter at once is the same press: it does not skip the verdict
            field("practice-answer").send_keys(Keys.ENTER)  # Enter after a check goes on
            time.sleep(0.45)
    check(score().startswith(f"Score: 5 of {checked}"), f"the score after the rounds: {score()!r}")

    # The keypad: big enough for a thumb, strokes on the letter before the caret.
    Select(field("practice-ask")).select_by_value("write-numerals")
    sizes = driver.execute_script(
        "return [...document.querySelectorAll('#keypad button')].map(b => b.getBoundingClientRect())"
        ".map(r => [r.width, r.height])")
    check(len(sizes) > 30 and all(w >= 44 and h >= 44 for w, h in sizes), f"the keys' sizes: {sizes[:5]}")
    wide = driver.execute_script("return document.documentElement.scrollWidth")
    check(wide <= 360, f"Practice at 360 px is {wide} px wide")
    spans = driver.execute_script("return ['practice-question', 'practice-verdict']"
                                  ".map(id => document.getElementById(id).getBoundingClientRect().width)")
    check(all(w > 300 for w in spans), f"the question and the verdict do not span the view: {spans}")
    for name in ["kappa, 20", "alpha, 1"]:
        key = driver.execute_script("return [...document.querySelectorAll('#keypad button')]"
                                    f".find(b => b.getAttribute('aria-label').includes('{name}'))")
        if key is None:
            check(False, f"no key named {name}")
            continue
        key.click()
        stroke = driver.execute_script("return [...document.querySelectorAll('#keypad button')]"
                                       ".find(b => b.textContent === '\u25CC\u0305')")
        stroke.click()
    check(field("practice-answer").get_attribute("value") == "ⲕ̅ⲁ̅",
          f"the keypad wrote {field('practice-answer').get_attribute('value')!r}")

    # A double tap checks once; a reload brings back the question, the answer and the score.
    before = score()
    question_before = field("practice-question").text
    driver.execute_script("const b = document.getElementById('practice-check'); b.click(); b.click();")
    check(field("practice-question").text == question_before, "a double tap skipped the question")
    shown = score()
    check(shown != before, "the check was not counted")
    time.sleep(0.45)
    field("practice-next").click()
    driver.execute_script("arguments[0].value = 'ⲁ̅'; arguments[0].dispatchEvent(new Event('input'))",
                          field("practice-answer"))
    asked = field("practice-question").text
    driver.refresh()
    settle(lambda: field("practice-question").text == asked)
    check(field("practice-answer").get_attribute("value") == "ⲁ̅" and score() == shown,
          f"after a reload: {field('practice-answer').get_attribute('value')!r}, {score()!r}")
    found = axe_violations()
    check(found == [], f"axe, Practice: {found}")

    # The church year: a year's feasts and fasts as the command line lists them, each a
    # link to its day, whose report says what the day is; the year's .ics the same file.
    driver.get(url + "#year/1743")
    year_rows = lambda: driver.execute_script(
        "return [...document.querySelectorAll('#year-list tr')].map(r => [...r.cells].map(c => c.textContent))")
    settle(lambda: len(year_rows()) == 38)
    listed = [json.loads(l) for l in subprocess.run([cli, "--church-year", "1743", "--json"], capture_output=True,
                                                    text=True, check=True).stdout.splitlines()]
    check([r[0] for r in year_rows()] == [o["name"] for o in listed], f"the year's names: {year_rows()[:3]}")
    href = driver.find_element(By.ID, "year-ics").get_attribute("href")
    ics = urllib.parse.unquote(href.split(",", 1)[1])
    expected_ics = subprocess.run([cli, "--church-year", "1743", "--ics"], capture_output=True, check=True).stdout
    # The same file but for DTSTAMP, the time each was written.
    unstamped = lambda text: re.sub(rb"DTSTAMP:\d{8}T\d{6}Z\r\n", b"", text)
    check(b"DTSTAMP:" in ics.encode() and unstamped(ics.encode()) == unstamped(expected_ics),
          "the page's .ics is not the command line's")
    driver.find_element(By.LINK_TEXT, "Great Lent").click()
    settle(lambda: driver.execute_script("return location.hash") == "#date/2027-03-08")
    settle(lambda: "Great Lent, 55 days to Easter" in lines())
    driver.get(url + "#year/1743")
    settle(lambda: len(year_rows()) == 38)
    found = axe_violations()
    check(found == [], f"axe, Church year: {found}")

    # Find: numerals of several ranks, ordinals, years and sacred names found as the
    # command line finds them, marked in place; a 1 MB text found in a worker while
    # the page keeps answering.
    driver.set_window_size(1200, 900)
    driver.get(url + "#find")
    text = ("ⲁⲩⲱ ⲓ̅ⲃ̅ ⲛ̀ⲣⲱⲙⲓ ⲡⲉ ⲧⲉ ⲛⲉ\nⲓ̅ⲥ̅ ⲡⲉⲭ̅ⲥ̅ ⲙⲁϩ ⲕ̅ⲁ̅ϯ ⲛ̀ⲣⲟⲙⲡⲓ\n\n"
            "ⲣ̅ⲙ̅ⲇ̅ ⲛ̀ϣⲟ ⲃ̿ ⲉ̅. ⲕⲁʹ ⲁ̅ⲯ̅ⲗ̅ⲉ̅ ⲁ̿̅ⲃ̿ⲉ̅\n"
            "ⲁϥϭⲓ ⲙ̀ⲡⲓⲍ̅ ⲛ̀ⲱⲓⲕ ⲙ̀ⲙⲁϩⲥⲛⲟⲩϯ ⲫⲣⲉⲅ̅ ⲛ̀ⲟⲩϣⲟ ⲛ̀ⲥ̅ ⲛⲉⲙ ⲝ̅ ⲡⲓⲡⲛ̅ⲁ̅")
    # The real verses too, where the labelled set is beside the project.
    verses = pathlib.Path(__file__).resolve().parents[3] / "shared/real-texts/bohairic-numbers.tsv"
    if verses.exists():
        text += "\n" + "\n".join(l.split("\t", 2)[2] for l in verses.read_text(encoding="utf-8").splitlines()
                                  if l and not l.startswith("#"))
    expected = [json.loads(l) for l in subprocess.run([cli, "--find", "--json"], input=text, capture_output=True,
                                                      text=True, check=True).stdout.splitlines()]
    driver.execute_script("const a = document.getElementById('find-text'); a.value = arguments[0];"
                          "a.dispatchEvent(new Event('input'))", text)
    rows = lambda: driver.execute_script(
        "return [...document.querySelectorAll('#find-list tr')].map(r => [...r.cells].map(c => c.textContent))")
    settle(lambda: len(rows()) == len(expected))
    kinds = {"numeral": "numeral", "words": "words", "mixed": "mixed", "fraction": "fraction"}
    check([[r[0].replace(",", ""), r[1], r[2], r[4]] for r in rows()] ==
          [[str(e["line"]), str(e["column"]), e["text"], kinds[e["kind"]]] for e in expected],
          f"found: {rows()} / {expected}")
    check(any(r[3].strip("\u2066\u2069") == "1/3" for r in rows()), f"no fraction's value: {rows()}")
    marks = driver.execute_script(
        "return [...document.querySelectorAll('#find-marked mark')].map(m => [m.textContent, m.title])")
    check([m[0] for m in marks] == [e["text"] for e in expected] and marks[0][1] == "= 12",
          f"the marks in the text: {marks}")
    check(driver.execute_script("return document.getElementById('find-marked').textContent") == text,
          "the marked text is not the text")
    paragraph = text + "\n"
    big = paragraph * (1_000_000 // len(paragraph.encode()) + 1)
    driver.execute_script(
        "window.ticks = 0; const tick = () => { window.ticks++; if (window.ticks < 1000) setTimeout(tick, 5); };"
        "const a = document.getElementById('find-text'); a.value = arguments[0];"
        "window.started = performance.now(); a.dispatchEvent(new Event('input')); tick();", big)
    count = lambda: driver.execute_script("return document.getElementById('find-list').rows.length")
    total = len(expected) * big.count(paragraph)
    WebDriverWait(driver, 60, poll_frequency=0.5).until(
        lambda d: f"all {total:,}" in driver.find_element(By.ID, "find-more").text)
    took = driver.execute_script("return [performance.now() - window.started, window.ticks]")
    print(f"1 MB text: {len(big.encode())} bytes, {count()} numerals, {took[0]:.0f} ms, {took[1]} ticks")
    check(took[1] > 10, f"the page stood still while a 1 MB text was searched: {took}")
    driver.execute_script("document.getElementById('find-text').value = arguments[0];"
                          "document.getElementById('find-text').dispatchEvent(new Event('input'))", text)
    settle(lambda: len(rows()) == len(expected))
    found = axe_violations()
    check(found == [], f"axe, Find: {found}")

    # axe-core in each new view in the other theme too (light above).
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                           {"features": [{"name": "prefers-color-scheme", "value": "dark"}]})
    for view in ["practice", "year/1743", "find"]:
        driver.get(url + "#" + view)
        time.sleep(0.3)
        found = axe_violations()
        check(found == [], f"axe, dark, #{view}: {found}")
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                           {"features": [{"name": "prefers-color-scheme", "value": "light"}]})

    # Worksheets: printed to PDF on A4 and on Letter, the pages the view lays out,
    # the questions under the title and the name line, the key on pages of its own
    # agreeing with them (each read back by the command line), no number twice; the
    # address gives the same sheet again.
    def read_back(text):
        out = subprocess.run([cli, "--json", text], capture_output=True, text=True)
        return json.loads(out.stdout)["number"] if out.returncode == 0 else None

    def named(text):  # "396th (feminine)": the number a write question names
        return int("".join(c for c in text.split(" ")[0] if c.isdigit()))

    def printed(pages):
        pdf = base64.b64decode(driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"])
        with tempfile.NamedTemporaryFile(suffix=".pdf") as f:
            f.write(pdf)
            f.flush()
            info = subprocess.run(["pdfinfo", f.name], capture_output=True, text=True, check=True).stdout
            texts = [subprocess.run(["pdftotext", "-f", str(n), "-l", str(n), f.name, "-"], capture_output=True,
                                    text=True, check=True).stdout for n in range(1, pages + 1)]
        size = [float(v) for v in info.split("Page size:")[1].split("pts")[0].split(" x ")]
        return int(info.split("Pages:")[1].split()[0]), size, texts

    sheet_cells = lambda selector: driver.execute_script(
        f"return [...document.querySelectorAll('#sheet {selector}')].map(e => e.textContent)")
    driver.set_window_size(1200, 900)
    for paper, points, mode, count in [("a4", (595, 842), "numerals", 40), ("letter", (612, 792), "write-coptic", 30),
                                       ("a4", (595, 842), "write-numerals", 60)]:
        where = f"#worksheet?ask={mode}&up-to=100&forms=mixed&count={count}&size=16&paper={paper}&key=1&seed=2026"
        driver.get(url + where)
        settle(lambda: len(sheet_cells(".sheet-answer")) == count)
        questions, key = sheet_cells(".sheet-text")[:count], sheet_cells(".sheet-answer")
        page_count = len(sheet_cells(".sheet-page"))
        pages, size, texts = printed(page_count)
        check(pages == page_count and abs(size[0] - points[0]) < 1 and abs(size[1] - points[1]) < 1,
              f"{paper} {mode}: printed {pages} pages of {size}, laid out {page_count}")
        keyed = [n for n, t in enumerate(texts) if "Answers:" in t]
        check(keyed and keyed == list(range(keyed[0], pages)) and keyed[0] > 0,
              f"{paper} {mode}: the key's pages are {keyed} of {pages}")
        check(all(w in texts[0] for w in ["numbers from 1 to 100", "Name", "Date"]), f"the header: {texts[0][:200]}")
        writes = mode.startswith("write")
        asked = [named(q) if writes else read_back(q) for q in questions]
        answered = [read_back(a) for a in key]
        check(asked == answered, f"{mode}: the key does not answer the questions: {asked} / {answered}")
        check(len(set(asked)) == count and all(1 <= n <= 100 for n in asked),
              f"{mode}: numbers repeated or out of range: {sorted(asked)}")
        on_paper = "".join(texts[:keyed[0] if keyed else pages]).split()
        missing = [n for n in range(1, count + 1) if f"{n}." not in on_paper]
        check(not missing, f"{mode}: question numbers not printed: {missing}")
        if writes:
            check(all(q.split(" ")[0] in on_paper for q in questions), f"{mode}: questions not printed")
        driver.refresh()
        settle(lambda: len(sheet_cells(".sheet-answer")) == count)
        check(sheet_cells(".sheet-text")[:count] == questions, f"{mode}: the same address gave other questions")
    # A seed draws the questions practice draws for it everywhere: in a range this
    # large none repeats, so the sheet's are the command line's round's.
    driver.get(url + "#worksheet?ask=write-numerals&up-to=999999999&forms=cardinal-masculine&count=12&seed=2026")
    settle(lambda: len(sheet_cells(".sheet-answer")) == 12)
    round_ = [json.loads(l) for l in subprocess.run(
        [cli, "--practice", "--json", "--seed", "2026", "--up-to", "999999999", "--count", "12", "--ask",
         "write-numerals"], input="x\n" * 12, capture_output=True, text=True, check=True).stdout.splitlines()]
    check(sheet_cells(".sheet-text")[:12] == [l["text"] for l in round_ if "ask" in l],
          f"the sheet's questions are not the seed's: {sheet_cells('.sheet-text')[:3]}")
    # Choices go into the address; New questions draws others; Print is the browser's.
    Select(field("sheet-paper")).select_by_value("letter")
    Select(field("sheet-ask")).select_by_value("pronunciation")
    settle(lambda: "ask=pronunciation" in driver.current_url and "paper=letter" in driver.current_url)
    before = sheet_cells(".sheet-text")
    field("sheet-new").click()
    settle(lambda: sheet_cells(".sheet-text") != before and "seed=2026" not in driver.current_url)
    field("sheet-title").send_keys("Class 3 & 4", Keys.TAB)
    settle(lambda: sheet_cells("h2")[0] == "Class 3 & 4")
    driver.refresh()
    settle(lambda: sheet_cells("h2") and sheet_cells("h2")[0] == "Class 3 & 4")
    sheet_shown = driver.current_url
    field("view-numbers").click()
    settle(lambda: len(lines()) == 23)
    field("view-worksheet").click()  # the tab leads back to the sheet shown
    time.sleep(0.3)
    check(driver.current_url == sheet_shown, f"the tab led to another sheet: {driver.current_url}")
    driver.execute_script("window.print = () => { window.printed = true; }")
    field("sheet-print").click()
    settle(lambda: driver.execute_script("return window.printed === true"))
    for width, scheme in [(360, "light"), (1200, "dark")]:
        driver.set_window_size(width, 900)
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                               {"features": [{"name": "prefers-color-scheme", "value": scheme}]})
        time.sleep(0.2)
        wide = driver.execute_script("return document.documentElement.scrollWidth")
        check(wide <= width, f"the worksheet view at {width} px is {wide} px wide")
        check(not field("actions").is_displayed(), "Copy offered with no report to copy")
        found = axe_violations()
        check(found == [], f"axe, Worksheet, {scheme} at {width}: {found}")

    # The number box's keypad: a numeral written key by key is read as it grows; Back
    # returns to the number before, and the message about the numeral goes with it.
    driver.set_window_size(360, 900)
    driver.get(url + "#5")
    settle(lambda: len(lines()) == 23)
    field("numeral-keys").click()
    keys = lambda: driver.find_elements(By.CSS_SELECTOR, "#numeral-keypad button")
    sizes = [(k.size["width"], k.size["height"]) for k in keys()]
    check(len(sizes) > 30 and all(w >= 44 and h >= 44 for w, h in sizes), f"the number keypad's keys: {sizes[:4]}")
    for label in ["ⲙ", "◌̅", "ⲁ", "◌̅"]:  # ⲙ̅ⲁ̅
        next(k for k in keys() if k.text == label).click()
    settle(lambda: box().get_attribute("value") == "41")
    check(field("status").text == 'Read ⁨"ⲙ̅ⲁ̅"⁩ as 41' and lines()[3] == "41",
          f"the keypad's numeral: {field('status').text!r}")
    check(field("actions").is_displayed(), "no Copy beside the number's report")
    driver.back()
    settle(lambda: box().get_attribute("value") == "5")
    check(field("status").text == "" and field("numeral").get_attribute("value") == "",
          f"after Back: {field('status').text!r}, {field('numeral').get_attribute('value')!r}")

    # In Arabic: right to left, the command line's Arabic report line for line, the
    # Coptic lines left to right, Arabic read, Arabic-Indic digits typed; the choice kept.
    driver.set_window_size(1200, 900)
    driver.get(url + "?lang=ar#2005/feminine")
    arabic = subprocess.run([cli, "--lang", "ar", "--feminine", "2005"], capture_output=True, text=True,
                            check=True).stdout.split("\n")[:23]
    settle(lambda: lines() == arabic)
    page = driver.execute_script("return [document.documentElement.lang, document.documentElement.dir,"
                                 " document.getElementById('report').lang, document.title]")
    check(page == ["ar", "rtl", "ar", "زفنارو — ٢٬٠٠٥"], f"the Arabic page: {page}")
    ltr = driver.execute_script(
        "return [...document.querySelectorAll('#report p[dir=ltr]')].map(p => p.className)")
    check(ltr == ["piece-coptic", "piece-numerals"], f"the Coptic lines' direction: {ltr}")
    check(driver.find_element(By.ID, "view-date").text == "التاريخ القبطي", "the views' names in Arabic")
    driver.execute_script(
        "const d = new DataTransfer(); d.setData('text/plain', 'الحادي والعشرون');"
        "document.getElementById('number').dispatchEvent("
        "new ClipboardEvent('paste', {clipboardData: d, bubbles: true, cancelable: true}))")
    settle(lambda: box().get_attribute("value") == "21")
    check("قُرئ" in driver.find_element(By.ID, "status").text, "the Arabic paste was not said in Arabic")
    box().clear()
    box().send_keys("٣٠٠")
    settle(lambda: box().get_attribute("value") == "300" and lines()[3] == "٣٠٠")
    driver.execute_script("location.hash = 'date/2026-12-08'")
    settle(lambda: len(lines()) > 4 and lines()[4] == "٢٩ هاتور ١٧٤٣ للشهداء")
    found = axe_violations()
    check(found == [], f"axe, Arabic: {found}")
    driver.find_element(By.ID, "language").click()
    settle(lambda: driver.execute_script("return document.documentElement.lang") == "en")
    driver.get(url + "#7")
    settle(lambda: len(lines()) == 23 and lines()[7] == "Seven")
    driver.find_element(By.ID, "language").click()
    settle(lambda: driver.execute_script("return document.documentElement.dir") == "rtl")
    driver.get(url + "#7")
    settle(lambda: len(lines()) == 21 and lines()[7] == "سبعة")  # "for short" before the numerals
    driver.execute_script("localStorage.removeItem('zefnaro-language')")
    driver.refresh()  # the browser's own language again
    settle(lambda: len(lines()) == 23 and lines()[7] == "Seven")

    # The pseudo-locales: every text the page shows came through the catalogue
    # (en-XA's [...] runs, ar-XB's right-to-left runs), with nothing cut or scrolling
    # sideways at a phone's width under en-XA's longer words, and ar-XB right to left.
    shown_texts = """
      const data = '#report .piece-digits, #report .piece-english, #report .piece-pronunciation,'
        + ' #report .piece-coptic, #report .piece-numerals, #question, .sheet-question, .sheet-answer, #find-text';
      const hidden = new Set(document.querySelectorAll(data));
      const texts = [document.title];
      const walk = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
      for (let n; (n = walk.nextNode());) {
        const e = n.parentElement;
        if (!e.checkVisibility() || [...hidden].some((h) => h.contains(e)) || e.closest('[lang]:not(html)')) continue;
        texts.push(n.textContent);
      }
      for (const e of document.querySelectorAll('[aria-label], [placeholder], [title]'))
        if (e.checkVisibility()) texts.push(e.getAttribute('aria-label') ?? '', e.getAttribute('placeholder') ?? '',
                                            e.getAttribute('title') ?? '');
      for (const o of document.querySelectorAll('option')) if (o.parentElement.checkVisibility()) texts.push(o.text);
      return texts;"""
    import re
    for code, runs in [("en-XA", r"\[[^\]]*\]"), ("ar-XB", "\u202e[^\u202c]*\u202c")]:
        for view in ["#2005", "#date/2026-12-08", "#year/1743", "#practice", "#worksheet", "#find"]:
            for width in [360, 1200]:
                driver.set_window_size(width, 900)
                driver.get(url + "?lang=" + code + view)
                settle(lambda: driver.execute_script("return document.documentElement.lang") == code)
                time.sleep(0.3)
                left = set()
                for text in driver.execute_script(shown_texts):
                    bare = re.sub(runs, "", text)
                    left |= {w for w in re.findall(r"[A-Za-z]{3,}", bare)
                             if w not in ("English", "Zefnaro", "Coptic", "CSV")}  # names, typed as they are
                check(not left, f"{code} {view} at {width}: not from the catalogue: {sorted(left)[:8]}")
                if width == 360 and code == "en-XA":
                    wide = driver.execute_script(
                        "return document.documentElement.scrollWidth > innerWidth ? [...document.querySelectorAll('body *')]"
                        ".filter((e) => e.getBoundingClientRect().right > innerWidth + 1)"
                        ".map((e) => e.tagName + '#' + e.id + '.' + e.className).slice(0, 5) : false")
                    cut = driver.execute_script(
                        "return [...document.querySelectorAll('button, label, a, select')]"
                        ".filter((e) => e.checkVisibility() && !e.closest('.visually-hidden')"
                        " && e.scrollWidth > e.clientWidth + 1)"
                        ".map((e) => e.id || e.textContent.slice(0, 20))")
                    check(not wide and not cut, f"en-XA {view} at 360: sideways {wide}, cut {cut}")
                if code == "ar-XB":
                    check(driver.execute_script("return document.documentElement.dir") == "rtl",
                          f"ar-XB {view} runs left to right")

    # Offline: once the service worker holds the site, a reload needs no server.
    driver.execute_script("return navigator.serviceWorker.ready")
    settle(lambda: driver.execute_script("return !!navigator.serviceWorker.controller") or
           (driver.refresh() or False))
    server.shutdown()
    server.server_close()
    driver.get(url + "#2005/ordinal")
    settle(lambda: len(lines()) == 23 and lines()[3] == "2,005th")
finally:
    driver.quit()

print(f"browser checks: {len(failures)} failures")
sys.exit(1 if failures else 0)
