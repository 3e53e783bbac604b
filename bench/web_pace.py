#!/usr/bin/env python3
"""The web edition's pace in headless Chromium: what the first report waits for (the
files fetched before it, gzipped), the first report after a cold load of a number's
address (#2005: from navigation start to the engine's report, a new profile each
time, median of 5), a first visit (the page's own first report painted, and the
engine ready behind it), and one keystroke to the new report (median of 200, the
report's layout included).
Usage: bench/web_pace.py [SITE_DIR]  (default build-web/site; build it with scripts/web.sh)"""
import functools
import gzip
import http.server
import pathlib
import statistics
import sys
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


site = sys.argv[1] if len(sys.argv) > 1 else "build-web/site"
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
url = f"http://127.0.0.1:{server.server_address[1]}/#2005"


def browser():
    options = webdriver.ChromeOptions()
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu"]:
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


first, fetched = [], set()
for _ in range(5):
    driver = browser()
    driver.get(url)
    WebDriverWait(driver, 10).until(
        lambda d: d.execute_script("return performance.getEntriesByName('first-report').length"))
    first.append(driver.execute_script("return performance.getEntriesByName('first-report')[0].startTime"))
    fetched |= set(driver.execute_script(
        "const mark = performance.getEntriesByName('first-report')[0].startTime;"
        "return performance.getEntriesByType('resource').filter(r => r.startTime < mark)"
        ".map(r => new URL(r.name).pathname.slice(1))"))
    driver.quit()
# A first visit: the report comes with the page and is painted with it; the engine
# follows, ready when the page marks its first report.
painted, ready = [], []
for _ in range(5):
    driver = browser()
    driver.get(url.removesuffix("#2005"))
    WebDriverWait(driver, 10).until(
        lambda d: d.execute_script("return performance.getEntriesByName('first-report').length"))
    painted.append(driver.execute_script(
        "return performance.getEntriesByName('first-contentful-paint')[0].startTime"))
    ready.append(driver.execute_script("return performance.getEntriesByName('first-report')[0].startTime"))
    driver.quit()
# What the first report waited for, gzipped as hosts serve it: the page and the files
# it fetched before drawing the report.
first_load = sum(len(gzip.compress((pathlib.Path(site) / name).read_bytes(), 9)) for name in fetched | {"index.html"})

driver = browser()
driver.get(url)
WebDriverWait(driver, 10).until(
    lambda d: d.execute_script("return performance.getEntriesByName('first-report').length"))
keystrokes = driver.execute_script("""
    const box = document.getElementById('number'), report = document.getElementById('report');
    const times = [];
    for (let i = 0; i < 200; ++i) {
      const t = performance.now();
      box.dispatchEvent(new KeyboardEvent('keydown', {key: 'ArrowUp', bubbles: true}));
      report.getBoundingClientRect(); // the new report laid out
      times.push(performance.now() - t);
    }
    return times;""")
driver.quit()
server.shutdown()
print(f"first load: {first_load / 1000:.1f} KB gzipped ({len(fetched | {'index.html'})} files: "
      + ", ".join(sorted(fetched | {"index.html"})) + ")")
print(f"first report after a cold load: {statistics.median(first):.0f} ms (median of 5: "
      + ", ".join(f"{t:.0f}" for t in first) + ")")
print(f"a first visit: its report painted {statistics.median(painted):.0f} ms after navigation start, "
      f"the engine ready at {statistics.median(ready):.0f} ms (medians of 5: "
      + ", ".join(f"{p:.0f}/{r:.0f}" for p, r in zip(painted, ready)) + ")")
print(f"one keystroke to the new report: {statistics.median(keystrokes):.2f} ms median, "
      f"{max(keystrokes):.2f} ms at most (200 keystrokes)")
