#!/usr/bin/env bash
# The command line's pace on dates: a million Gregorian days (every day from 1900
# on, 40,000 days round), as JSON and as text, and the same days read back as
# Coptic dates ("29 Hathor 1743"). Usage: bench/cli-dates.sh [BUILD_DIR]
set -euo pipefail
cli=${1:-build}/bin/zefnaro-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 - "$work" <<'PY'
import datetime, sys
first = datetime.date(1900, 1, 1)
with open(f"{sys.argv[1]}/days.txt", "w") as f:
    for i in range(1_000_000):
        f.write((first + datetime.timedelta(days=i % 40_000)).isoformat() + "\n")
PY
"$cli" --date - --json < "$work/days.txt" |
  /usr/bin/python3 -c 'import json, sys
for line in sys.stdin:
    d = json.loads(line)
    print(d["coptic_day"], d["month_english"], d["coptic_year"])' > "$work/coptic.txt"
for round in 1 2 3; do
  for run in "--date - --json:days" "--date -:days" "--coptic-date - --json:coptic"; do
    /usr/bin/time -f "${run%%:*}: %e s" "$cli" ${run%%:*} < "$work/${run##*:}.txt" > /dev/null
  done
done
