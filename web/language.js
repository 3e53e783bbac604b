// The page's language: ?lang=ar or ?lang=en in the address, else the one chosen
// before (kept in this browser), else the first of the browser's languages the
// page speaks. Arabic runs right to left; the engine says its reports and messages
// in the same language.
const asked = new URLSearchParams(location.search).get('lang');
const spoken = ['en', 'ar'];

function kept() {
  try { return localStorage.getItem('zefnaro-language'); } catch { return null; }
}
function keep(code) {
  try { localStorage.setItem('zefnaro-language', code); } catch { /* a private window: not kept */ }
}

const browsers = (navigator.languages ?? [navigator.language]).map((l) => l.slice(0, 2).toLowerCase());
export const language = spoken.includes(asked) ? asked
  : spoken.includes(kept()) ? kept()
    : browsers.find((l) => spoken.includes(l)) ?? 'en';
if (spoken.includes(asked)) keep(asked);
export const arabic = language === 'ar';

// Numbers as the page's language writes them: 2,005 or ٢٬٠٠٥.
export const grouped = (n) => n.toLocaleString(arabic ? 'ar-EG' : 'en');

// The page's own texts in Arabic, by their English (terms as in the project's
// Arabic glossary).
const inArabic = {
  'Zefnaro — numbers in Bohairic Coptic': 'زفنارو — الأعداد بالقبطية البحيرية',
  'Zefnaro': 'زفنارو',
  'Numbers in Bohairic Coptic': 'الأعداد بالقبطية البحيرية',
  'Views': 'العروض',
  'Numbers': 'الأعداد',
  'Coptic date': 'التاريخ القبطي',
  'Number': 'العدد',
  'One less': 'أنقص واحدًا',
  'One more': 'زِد واحدًا',
  'Type digits, or paste any written number: Coptic numerals or words, their pronunciation, English.':
    'اكتب أرقامًا، أو الصق أي عدد مكتوب: أرقامًا قبطية أو كلمات قبطية أو نطقها أو كلمات عربية أو إنجليزية.',
  'Ordinal': 'العدد الترتيبي',
  'Feminine': 'مؤنث',
  'Random': 'عشوائي',
  'Random numbers up to': 'أعداد عشوائية حتى',
  'Gregorian date': 'التاريخ الميلادي',
  'Today': 'اليوم',
  'Day': 'اليوم',
  'Month': 'الشهر',
  'Year': 'السنة',
  'AM': 'للشهداء',
  'Read a Coptic date': 'اقرأ تاريخًا قبطيًا',
  'Type or paste a Coptic date and press Enter: 29 Hathor 1743, ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅ or 1743-03-29.':
    'اكتب تاريخًا قبطيًا أو الصقه ثم اضغط \u2068Enter\u2069: ٢٩ هاتور ١٧٤٣ أو \u2068ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅\u2069 أو \u20681743-03-29\u2069.',
  '29 Hathor 1743': '٢٩ هاتور ١٧٤٣',
  'Report': 'التقرير',
  'Copy': 'نسخ',
  'Copy in CS font text': 'نسخ بنص خطوط CS',
  'Works offline once opened. Every byte comes from this site.':
    'يعمل دون اتصال بعد فتحه أول مرة. كل ما فيه من هذا الموقع.',
  'Nine digits at most': 'تسعة أرقام على الأكثر',
  'Digits only; paste a written number to read it': 'أرقام فقط؛ الصق عددًا مكتوبًا لقراءته',
  'Copied the report': 'نُسخ التقرير',
  'Copied the report in CS font text': 'نُسخ التقرير بنص خطوط CS',
  'The browser did not allow copying': 'لم يسمح المتصفح بالنسخ',
  'up to %1': 'حتى %1',
  'Practice': 'تدريب',
  'Church year': 'السنة الكنسية',
  'Coptic year': 'السنة القبطية',
  'Download for calendar programs (.ics)': 'نزّل لبرامج التقويم (ics.)',
  'Feasts and fasts': 'الأعياد والأصوام',
  'Observance': 'المناسبة',
  'Days': 'الأيام',
  'Coptic days': 'الأيام القبطية',
  'Coptic church year %1.ics': 'السنة الكنسية القبطية %1.ics',
  'Find numerals': 'البحث عن الأرقام',
  'Text': 'النص',
  'Paste a text with Coptic numerals, or open a file': 'الصق نصًا فيه أرقام قبطية، أو افتح ملفًا',
  'Open a text file': 'افتح ملفًا نصيًا',
  'Copy the list as CSV': 'انسخ القائمة بصيغة CSV',
  'Copied the list as CSV': 'نُسخت القائمة بصيغة CSV',
  'Numerals found': 'الأرقام الموجودة',
  'The first %1 numerals and %2 lines are shown; the CSV holds all %3.':
    'تُعرض أول %1 من الأرقام وأول %2 من الأسطر؛ وفي ملف CSV كلها (%3).',
  'Line': 'السطر',
  'Column': 'العمود',
  'Numeral': 'الرقم',
  'Value': 'القيمة',
  '1 numeral found': 'وُجد رقم واحد',
  '%1 numerals found': 'عدد الأرقام الموجودة: %1',
  'ordinal': 'ترتيبي',
  'feminine': 'مؤنث',
  'What to practise': 'ما تتدرب عليه',
  'Numbers up to': 'أعداد حتى',
  'Forms': 'الصيغ',
  'As in the Numbers view': 'كما في عرض الأعداد',
  'Mixed': 'مختلطة',
  'Your answer': 'إجابتك',
  'Check': 'تحقّق',
  'Show Answer': 'أظهر الإجابة',
  'Next': 'التالي',
  'Start afresh': 'ابدأ من جديد',
  'Coptic keypad': 'لوحة المفاتيح القبطية',
  'Space': 'مسافة',
  'Question': 'السؤال',
  'Read Coptic numerals': 'قراءة الأرقام القبطية',
  'Read Coptic words': 'قراءة الكلمات القبطية',
  'Read the pronunciation': 'قراءة النطق',
  'Write Coptic numerals': 'كتابة الأرقام القبطية',
  'Write Coptic words': 'كتابة الكلمات القبطية',
  'Right!': 'صحيح!',
  'Not yet: %1.': 'ليس بعد: %1.',
  'Not yet: you wrote %1': 'ليس بعد: كتبت %1',
  'The answer is %1.': 'الإجابة: %1.',
  'Write your answer, then press Enter.': 'اكتب إجابتك ثم اضغط Enter.',
  'Score: %1 of %2 · streak %3': 'النتيجة: %1 من %2 · متتالية %3',
  'Read %1 as %2': 'قُرئ %1 على أنه %2',
  'Write a Coptic numeral': 'اكتب رقمًا قبطيًا',
  'Worksheet': 'ورقة عمل',
  'Title': 'العنوان',
  'Questions': 'الأسئلة',
  'Type size': 'حجم الخط',
  '%1 pt': '%1 نقطة',
  'Paper': 'الورق',
  'US Letter': 'مقاس Letter الأمريكي',
  'Answer key on pages of its own': 'مفتاح الإجابات في صفحات مستقلة',
  'New questions': 'أسئلة جديدة',
  'Print': 'اطبع',
  'The address holds these choices and the questions: send it, and the same sheet prints.':
    'يحمل العنوان هذه الاختيارات والأسئلة: أرسله، فتُطبع الورقة نفسها.',
  'Name': 'الاسم',
  'Date': 'التاريخ',
  'Answers: %1': 'الإجابات: %1',
  'Cardinal, masculine': 'العدد الأصلي، مذكر',
  'Cardinal, feminine': 'العدد الأصلي، مؤنث',
  'Ordinal, masculine': 'العدد الترتيبي، مذكر',
  'Ordinal, feminine': 'العدد الترتيبي، مؤنث',
};

// A text of the page in its language; %1, %2 … filled in order.
export function t(english, ...values) {
  const text = arabic ? inArabic[english] ?? english : english;
  return values.reduce((out, v, i) => out.replace('%' + (i + 1), v), text);
}

// The document in the language: lang and dir, each marked text and label. A text
// quoted from the user is isolated so that it keeps its own direction.
export const quoted = (text) => '\u2068' + JSON.stringify(text) + '\u2069';

document.documentElement.lang = language;
document.documentElement.dir = arabic ? 'rtl' : 'ltr';
if (arabic) {
  document.title = t(document.title);
  for (const element of document.querySelectorAll('[data-text]')) element.textContent = t(element.textContent);
  for (const element of document.querySelectorAll('[aria-label]'))
    element.setAttribute('aria-label', t(element.getAttribute('aria-label')));
  for (const element of document.querySelectorAll('[placeholder]'))
    element.placeholder = t(element.placeholder);
}

// The switch to the other language, kept for the next visit.
const other = arabic ? 'en' : 'ar';
const change = document.getElementById('language');
change.textContent = arabic ? 'English' : 'العربية';
change.lang = other;
change.dir = arabic ? 'ltr' : 'rtl';
change.href = '?lang=' + other;
change.addEventListener('click', (e) => {
  e.preventDefault();
  keep(other);
  location.assign('?lang=' + other + location.hash);
});
