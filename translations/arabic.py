"""The Arabic of every text the window shows, kept with the .ts file it fills.

Run `python3 translations/arabic.py` after `lupdate` has added or changed a source
text: it writes each translation below into translations/zefnaro_ar.ts and names
any source text that has none. Terms follow the project's Arabic glossary."""
import pathlib
import sys
import xml.etree.ElementTree as ET

ARABIC = {
    # Launcher
    "Nothing on this computer could open %1.\n\nYou can copy it and open it yourself.":
        "لم يجد هذا الحاسوب برنامجًا يفتح %1.\n\nيمكنك نسخه وفتحه بنفسك.",
    "&Copy": "ن&سخ",
    # Worksheet pages
    "Name": "الاسم",
    "Date": "التاريخ",
    "Answers: %1": "الإجابات: %1",
    # About
    "About": "حول البرنامج",
    "A Coptic cross under an arch, drawn for Zefnaro": "صليب قبطي تحت قوس، رُسم لزفنارو",
    "A Coptic cross under an arch": "صليب قبطي تحت قوس",
    "Zefnaro icon: a gold Coptic cross on a red tile": "أيقونة زفنارو: صليب قبطي ذهبي على مربع أحمر",
    "Written by the Zefnaro developers for learners of Coptic.": "كتبه مطورو زفنارو لدارسي اللغة القبطية.",
    "Launch Zefnaro Help": "افتح مساعدة زفنارو",
    "Launch help": "افتح المساعدة",
    "Launch Zefnaro Tutorial": "افتح الدرس التعليمي لزفنارو",
    "Launch tutorial": "افتح الدرس التعليمي",
    "Launch End User License Agreement": "افتح اتفاقية ترخيص المستخدم",
    "Launch EULA": "افتح اتفاقية الترخيص",
    "CS Coptic fonts": "خطوط CS القبطية",
    "Opens the page where the CS Coptic fonts can be had: ": "يفتح الصفحة التي تُنزَّل منها خطوط CS القبطية: ",
    "© 2026 The Zefnaro developers": "© ٢٠٢٦ مطورو زفنارو",
    "Zefnaro Coptic font: SIL OFL 1.1": "خط زفنارو القبطي: SIL OFL 1.1",
    "&Close": "إ&غلاق",
    "Zefnaro is a free tool that translates English numerals into Bohairic Coptic equivalents; "
    "both full written and numeral; masculine and feminine; cardinal and ordinal forms.":
        "زفنارو أداة مجانية تترجم الأعداد إلى ما يقابلها في القبطية البحيرية: كتابةً كاملةً "
        "وبالأرقام القبطية، مذكرًا ومؤنثًا، في صيغتي العدد الأصلي والعدد الترتيبي.",
    "Zefnaro is absolutely free to use and distribute. If you discover any mistakes or have any "
    "suggestions then please contact me on the address below.":
        "زفنارو مجاني تمامًا للاستخدام والتوزيع. إن وجدت خطأً أو كان لديك اقتراح فراسلنا على العنوان أدناه.",
    # Coptic date window
    "&Today": "ال&يوم",
    "Copy &All": "نسخ ال&كل",
    "Coptic Date — Zefnaro": "التاريخ القبطي — زفنارو",
    "Gregorian date": "التاريخ الميلادي",
    "Today": "اليوم",
    "Coptic day": "اليوم القبطي",
    "Coptic month": "الشهر القبطي",
    "Coptic year, Anno Martyrum": "السنة القبطية، لتقويم الشهداء",
    " AM": " للشهداء",
    "Read a Coptic date": "اقرأ تاريخًا قبطيًا",
    # Coptic and Latin inside Arabic are isolated (U+2068 … U+2069): they keep their direction.
    "29 Hathor 1743, ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅ or 1743-03-29":
        "٢٩ هاتور ١٧٤٣ أو \u2068ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅\u2069 أو \u20681743-03-29\u2069",
    "Coptic date report": "تقرير التاريخ القبطي",
    "Copy All": "نسخ الكل",
    "Close": "إغلاق",
    "&Gregorian:": "م&يلادي:",
    "Copt&ic:": "&قبطي:",
    "&Read:": "ا&قرأ:",
    " is ": " هو ",
    # Main window
    "&File": "&ملف",
    "Save Report &As...": "حفظ التقرير &باسم...",
    "&Print...": "&طباعة...",
    "&Quit": "&خروج",
    "The report could not be saved as %1.": "تعذّر حفظ التقرير باسم %1.",
    "Web page (*.html)": "صفحة ويب (*.html)",
    "OpenDocument text (*.odt)": "مستند OpenDocument نصي (*.odt)",
    "PDF (*.pdf)": "PDF (*.pdf)",
    "Zefnaro %1": "زفنارو %1",
    "Save Report As": "حفظ التقرير باسم",
    "Print Report": "طباعة التقرير",
    "&Random": "&عشوائي",
    "Number": "العدد",
    "The number to translate, up to nine digits. Up and Down step it by 1, Page Up and Page Down by 1,000.":
        "العدد المراد ترجمته، حتى تسعة أرقام. مفتاحا الأعلى والأسفل يغيّرانه بمقدار ١، "
        "وPage Up وPage Down بمقدار ١٬٠٠٠.",
    "Step the number": "غيّر العدد خطوة",
    "Increase the number by 1": "زِد العدد بمقدار ١",
    "Decrease the number by 1": "أنقص العدد بمقدار ١",
    "Use the up and down buttons to increase or decrease the number by 1.":
        "استخدم زرّي الأعلى والأسفل لزيادة العدد أو إنقاصه بمقدار ١.",
    "Random numbers up to": "أعداد عشوائية حتى",
    "How large the numbers Random picks may be": "أكبر عدد يختاره زر «عشوائي»",
    "up to %1": "حتى %1",
    "Report": "التقرير",
    "The number in digits, English words, Coptic words, their pronunciation and Coptic numerals.":
        "العدد بالأرقام وبالكلمات العربية وبالكلمات القبطية ونطقها وبالأرقام القبطية.",
    "The Coptic font, the size, the gender and the kind of number of the report":
        "الخط القبطي والحجم والجنس ونوع العدد في التقرير",
    "%1 is not installed, so its Coptic text is shown as plain letters. Install the font, or choose "
    "a Unicode font such as %2 in Settings (Ctrl+S).":
        "الخط %1 غير مثبت، فيظهر نصه القبطي حروفًا عادية. ثبّت الخط، أو اختر خط يونيكود مثل %2 "
        "في الإعدادات (Ctrl+S).",
    "&Edit": "&تحرير",
    "&Copy Selected": "&نسخ المحدد",
    "&Paste": "&لصق",
    "&Settings": "الإ&عدادات",
    "&Learn": "ت&علّم",
    "&Practice...": "&تدريب...",
    "&Help": "م&ساعدة",
    "Launch &Help...": "افتح ال&مساعدة...",
    "Launch &Tutorial...": "افتح الدرس ال&تعليمي...",
    "Launch &EULA...": "افتح ا&تفاقية الترخيص...",
    "&About ZFN": "&حول البرنامج",
    "Pasted text is no written number: %1": "النص الملصق ليس عددًا مكتوبًا: %1",
    "Now showing %1 forms, as the pasted text is written": "يُعرض الآن بصيغة %1، كما كُتب النص الملصق",
    "ordinal": "العدد الترتيبي",
    "cardinal": "العدد الأصلي",
    "masculine": "مذكر",
    "feminine": "مؤنث",
    "&View": "&عرض",
    "Zoom &In": "ت&كبير",
    "Zoom &Out": "ت&صغير",
    "&Actual Size": "الحجم ال&فعلي",
    "Coptic &Date...": "التاريخ ال&قبطي...",
    # Practice
    "&Check": "&تحقّق",
    "Show &Answer": "أظهر الإ&جابة",
    "&Next": "ال&تالي",
    "&Worksheet...": "&ورقة عمل...",
    "Practice": "تدريب",
    "What to practise": "ما تتدرب عليه",
    "Read Coptic numerals": "قراءة الأرقام القبطية",
    "Read Coptic words": "قراءة الكلمات القبطية",
    "Read the pronunciation": "قراءة النطق",
    "Write Coptic numerals": "كتابة الأرقام القبطية",
    "Write Coptic words": "كتابة الكلمات القبطية",
    "Numbers up to": "أعداد حتى",
    "Forms": "الصيغ",
    "As in Settings": "كما في الإعدادات",
    "Mixed": "مختلطة",
    "What to do": "المطلوب",
    "Question": "السؤال",
    "Your answer": "إجابتك",
    "Verdict": "الحكم",
    "The report of the number asked": "تقرير العدد المسؤول عنه",
    "Save or print a worksheet of questions in this mode and range, with the answers on its last page":
        "احفظ أو اطبع ورقة عمل بأسئلة من هذا النوع وهذا المدى، ومفتاح الإجابات في صفحتها الأخيرة",
    "Score": "النتيجة",
    "Coptic keypad": "لوحة المفاتيح القبطية",
    "Space": "مسافة",
    "&Practise:": "ت&دريب على:",
    "N&umbers:": "الأ&عداد:",
    "&Forms:": "ال&صيغ:",
    "The answer is %1.": "الإجابة: %1.",
    "Write your answer, then press Enter.": "اكتب إجابتك ثم اضغط Enter.",
    "Right!": "صحيح!",
    "Not yet: %1.": "ليس بعد: %1.",
    "Not yet: you wrote %1": "ليس بعد: كتبت %1",
    "Score: %1 of %2 · streak %3": "النتيجة: %1 من %2 · متتالية %3",
    "Worksheet": "ورقة عمل",
    "The worksheet could not be saved as %1.": "تعذّر حفظ ورقة العمل باسم %1.",
    "Save Worksheet": "حفظ ورقة العمل",
    "Zefnaro worksheet.pdf": "ورقة عمل زفنارو.pdf",
    # Settings
    "Settings": "الإعدادات",
    "Display &masculine form of Coptic number": "اعرض صيغة ال&مذكر للعدد القبطي",
    "Display Coptic &ordinal number": "اعرض العدد ال&ترتيبي القبطي",
    "Coptic Fo&nt:": "ال&خط القبطي:",
    "Si&ze:": "ال&حجم:",
    "Coptic font": "الخط القبطي",
    "Size": "الحجم",
    "&Default": "ال&افتراضي",
    "%1 (not installed)": "%1 (غير مثبت)",
    "&Language:": "ال&لغة:",
    "Add to Ca&lendar...": "أضف إلى التقويم...",
    "Add to Calendar": "أضف إلى التقويم",
    "The year's feasts and fasts": "أعياد السنة وأصوامها",
    "The calendar could not be saved as %1.": "تعذّر حفظ التقويم باسم %1.",
    "Coptic church year %1.ics": "السنة الكنسية القبطية %1.ics",
    "iCalendar (*.ics)": "iCalendar (*.ics)",
    "Language": "اللغة",
    "System": "لغة النظام",
    # Worksheet dialog
    "%1 pt": "%1 نقطة",
    "&Answer key on pages of its own": "&مفتاح الإجابات في صفحات مستقلة",
    "&Title:": "ال&عنوان:",
    "&Questions:": "الأ&سئلة:",
    "Type si&ze:": "&حجم الخط:",
    "&Save as PDF...": "&حفظ بصيغة PDF...",
    "P&rint...": "&طباعة...",
}


def with_access_key(source, arabic):
    """An access key inside an Arabic word breaks the joining of its letters, so the
    Arabic keeps the English key after it, as Arabic Windows does: "ملف (&F)"."""
    arabic = arabic.replace("&", "")
    at = source.find("&")
    if at < 0 or at + 1 >= len(source):
        return arabic
    key = "(&" + source[at + 1].upper() + ")"
    for tail in ("...", ":"):
        if arabic.endswith(tail):
            return arabic[: -len(tail)] + " " + key + tail
    return arabic + " " + key


def fill(path):
    tree = ET.parse(path)
    missing = []
    for message in tree.getroot().iter("message"):
        source = message.find("source").text
        translation = message.find("translation")
        if source in ARABIC:
            translation.text = with_access_key(source, ARABIC[source])
            translation.attrib.pop("type", None)
        else:
            missing.append(source)
    tree.write(path, encoding="utf-8", xml_declaration=True)
    return missing


if __name__ == "__main__":
    ts = pathlib.Path(__file__).with_name("zefnaro_ar.ts")
    missing = fill(ts)
    for source in missing:
        print("no Arabic for:", repr(source), file=sys.stderr)
    sys.exit(1 if missing else 0)
