#!/usr/bin/env bash
# The shared library exports the functions its headers declare, and nothing else.
# Usage: exports.sh LIBRARY
set -euo pipefail
expected="zefnaro::NumeralFinder::NumeralFinder
zefnaro::NumeralFinder::NumeralFinder
zefnaro::NumeralFinder::NumeralFinder
zefnaro::NumeralFinder::NumeralFinder
zefnaro::NumeralFinder::finish
zefnaro::NumeralFinder::operator=
zefnaro::NumeralFinder::scan
zefnaro::NumeralFinder::~NumeralFinder
zefnaro::NumeralFinder::~NumeralFinder
zefnaro::arabicMonthName
zefnaro::arabicWeekdayName
zefnaro::churchYear
zefnaro::copticMonthName
zefnaro::easter
zefnaro::findNumerals
zefnaro::formName
zefnaro::foundKindName
zefnaro::kindName
zefnaro::observanceName
zefnaro::observancesOn
zefnaro::readCopticDate
zefnaro::readCopticDate
zefnaro::readGregorianDate
zefnaro::readGregorianDate
zefnaro::readWrittenNumber
zefnaro::readWrittenNumber
zefnaro::readWrittenNumberAs
zefnaro::toCopticDate
zefnaro::toCopticDate
zefnaro::toGregorianDate
zefnaro::toGregorianDate
zefnaro::version
zefnaro::weekdayName
zefnaro::writeArabic
zefnaro::writeNumber"
exported=$(nm -D --defined-only -C "$1" | awk '$2 == "T" || $2 == "W" || $2 == "i"' |
  sed -E 's/^[0-9a-f]+ [TWi] //; s/\(.*//' | LC_ALL=C sort)
if [ "$exported" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$exported") || true
  exit 1
fi
