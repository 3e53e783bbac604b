#!/usr/bin/env python3
"""The church year's iCalendar file as an independent parser (python3-icalendar) reads
it: one all-day event per observance, the days the Church keeps, stable UIDs, the
Coptic dates in the descriptions, and the same file each time.
Usage: ics_check.py ZEFNARO_CLI"""
import datetime
import subprocess
import sys

import icalendar
import os
import vobject

cli = sys.argv[1]
faults = []


def check(condition, message):
    if not condition:
        faults.append(message)
        print("FAIL:", message)


def calendar(year, *flags, stamp="1796083200"):
    return subprocess.run([cli, "--church-year", str(year), "--ics", *flags], capture_output=True, check=True,
                          env={**os.environ, "SOURCE_DATE_EPOCH": stamp}).stdout


raw = calendar(1743)
check(raw == calendar(1743), "the same year and SOURCE_DATE_EPOCH gave another file")
check(b"DTSTAMP:20261201T000000Z\r\n" in raw, "DTSTAMP is not SOURCE_DATE_EPOCH's time")
check(calendar(1743, stamp="not a time") != raw, "DTSTAMP is not the time of writing without SOURCE_DATE_EPOCH")
check(all(line.endswith(b"\r") for line in raw.split(b"\n")[:-1]), "a line without CRLF")
check(all(len(line.rstrip(b"\r")) <= 75 for line in raw.split(b"\n")), "a line longer than 75 octets")
events = {e["UID"]: e for e in icalendar.Calendar.from_ical(raw).walk("VEVENT")}
check(len(events) == 38, f"{len(events)} events")
day = datetime.date
expected = {  # 1743 AM: Easter 2 May 2027
    "easter": (day(2027, 5, 2), day(2027, 5, 3)),
    "great_lent": (day(2027, 3, 8), day(2027, 5, 2)),
    "nativity": (day(2027, 1, 7), day(2027, 1, 8)),
    "nativity_fast": (day(2026, 11, 25), day(2027, 1, 7)),
    "pentecost": (day(2027, 6, 20), day(2027, 6, 21)),
    "apostles_fast": (day(2027, 6, 21), day(2027, 7, 12)),
    "virgin_fast": (day(2027, 8, 7), day(2027, 8, 22)),
}
for name, (start, end) in expected.items():
    event = events.get(f"1743-{name}@zefnaro")
    if event is None:
        check(False, f"no event {name}")
        continue
    got = (event["DTSTART"].dt, event["DTEND"].dt)
    check(got == (start, end) and not isinstance(got[0], datetime.datetime), f"{name}: {got}")
check("Parmouti" in str(events["1743-easter@zefnaro"]["DESCRIPTION"]), "Easter's Coptic date is not described")
arabic = {e["UID"]: e for e in icalendar.Calendar.from_ical(calendar(1743, "--lang", "ar")).walk("VEVENT")}
check(str(arabic["1743-easter@zefnaro"]["SUMMARY"]) == "عيد القيامة المجيد", "the Arabic summary")
check(set(arabic) == set(events), "the Arabic file's UIDs differ")
# Several years make one calendar, which both parsers read; so do years read from
# standard input, and the last year whose days stay within 9999 AD.
both = calendar(1743, "1744")
check(both.count(b"BEGIN:VCALENDAR") == 1, "two years made two calendars")
years = {str(e["UID"]).split("-")[0] for e in icalendar.Calendar.from_ical(both).walk("VEVENT")}
check(years == {"1743", "1744"}, f"the years in one calendar: {years}")
piped = subprocess.run([cli, "--church-year", "-", "--ics"], input=b"1743\n1744\n", capture_output=True,
                       env={**os.environ, "SOURCE_DATE_EPOCH": "1796083200"}).stdout
check(piped == both, "the years on standard input gave another calendar")
for text in [both, calendar(9715)]:
    parsed = vobject.readOne(text.decode())
    check(len(parsed.contents["vevent"]) >= 38, "vobject read too few events")
    icalendar.Calendar.from_ical(text)
# A year reaching 10000 AD cannot be written in four-digit years: refused, saying why.
late = subprocess.run([cli, "--church-year", "9716", "--ics"], capture_output=True, text=True)
check(late.returncode == 1 and late.stdout == "" and "10000" in late.stderr, f"9716 AM: {late}")
listed = subprocess.run([cli, "--church-year", "9716"], capture_output=True, text=True)
check(listed.returncode == 0 and "10000" in listed.stdout, "9716 AM is no longer listed")
print(f"ics checks: {len(faults)} failures")
sys.exit(1 if faults else 0)
