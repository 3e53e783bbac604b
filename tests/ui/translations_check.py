"""Every text of the windows has its Arabic, with the same %1 %2 … and the same
access key as the English, so no Arabic window shows English or loses a key."""
import re
import sys
import xml.etree.ElementTree as ET

faults = []
for message in ET.parse(sys.argv[1]).getroot().iter("message"):
    source = message.find("source").text
    translation = message.find("translation")
    arabic = translation.text or ""
    if not arabic or translation.get("type") == "unfinished":
        faults.append(f"no Arabic for {source!r}")
        continue
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", arabic)):
        faults.append(f"placeholders differ: {source!r} / {arabic!r}")
    key = re.search(r"&(\w)", source)
    if key and f"(&{key.group(1).upper()})" not in arabic:
        faults.append(f"access key {key.group(1)!r} lost: {source!r} / {arabic!r}")
    if re.search(r"[A-Za-z]", re.sub(r"\(&\w\)|%\d|Ctrl\+S|Enter|PDF|OpenDocument|UTF-8|SIL OFL|CS|"
                                      r"Page Up|Page Down|\*\.\w+|\.pdf|\.ics|iCalendar|Zefnaro|ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅", "", arabic)):
        faults.append(f"English left in {arabic!r}")
print("\n".join(faults))
sys.exit(1 if faults else 0)
