<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ar_EG">
<context>
    <name>Launcher</name>
    <message>
        <source>Nothing on this computer could open %1.

You can copy it and open it yourself.</source>
        <translation>لم يجد هذا الحاسوب برنامجًا يفتح %1.

يمكنك نسخه وفتحه بنفسك.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>نسخ (&amp;C)</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Answers: %1</source>
        <translation>الإجابات: %1</translation>
    </message>
</context>
<context>
    <name>zefnaro::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <source>A Coptic cross under an arch, drawn for Zefnaro</source>
        <translation>صليب قبطي تحت قوس، رُسم لزفنارو</translation>
    </message>
    <message>
        <source>A Coptic cross under an arch</source>
        <translation>صليب قبطي تحت قوس</translation>
    </message>
    <message>
        <source>Zefnaro icon: a gold Coptic cross on a red tile</source>
        <translation>أيقونة زفنارو: صليب قبطي ذهبي على مربع أحمر</translation>
    </message>
    <message>
        <source>Written by the Zefnaro developers for learners of Coptic.</source>
        <translation>كتبه مطورو زفنارو لدارسي اللغة القبطية.</translation>
    </message>
    <message>
        <source>Launch Zefnaro Help</source>
        <translation>افتح مساعدة زفنارو</translation>
    </message>
    <message>
        <source>Launch help</source>
        <translation>افتح المساعدة</translation>
    </message>
    <message>
        <source>Launch Zefnaro Tutorial</source>
        <translation>افتح الدرس التعليمي لزفنارو</translation>
    </message>
    <message>
        <source>Launch tutorial</source>
        <translation>افتح الدرس التعليمي</translation>
    </message>
    <message>
        <source>Launch End User License Agreement</source>
        <translation>افتح اتفاقية ترخيص المستخدم</translation>
    </message>
    <message>
        <source>Launch EULA</source>
        <translation>افتح اتفاقية الترخيص</translation>
    </message>
    <message>
        <source>CS Coptic fonts</source>
        <translation>خطوط CS القبطية</translation>
    </message>
    <message>
        <source>Opens the page where the CS Coptic fonts can be had: </source>
        <translation>يفتح الصفحة التي تُنزَّل منها خطوط CS القبطية: </translation>
    </message>
    <message>
        <source>© 2026 The Zefnaro developers</source>
        <translation>© ٢٠٢٦ مطورو زفنارو</translation>
    </message>
    <message>
        <source>Zefnaro Coptic font: SIL OFL 1.1</source>
        <translation>خط زفنارو القبطي: SIL OFL 1.1</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إغلاق (&amp;C)</translation>
    </message>
    <message>
        <source>Zefnaro is a free tool that translates English numerals into Bohairic Coptic equivalents; both full written and numeral; masculine and feminine; cardinal and ordinal forms.</source>
        <translation>زفنارو أداة مجانية تترجم الأعداد إلى ما يقابلها في القبطية البحيرية: كتابةً كاملةً وبالأرقام القبطية، مذكرًا ومؤنثًا، في صيغتي العدد الأصلي والعدد الترتيبي.</translation>
    </message>
    <message>
        <source>Zefnaro is absolutely free to use and distribute. If you discover any mistakes or have any suggestions then please contact me on the address below.</source>
        <translation>زفنارو مجاني تمامًا للاستخدام والتوزيع. إن وجدت خطأً أو كان لديك اقتراح فراسلنا على العنوان أدناه.</translation>
    </message>
</context>
<context>
    <name>zefnaro::DateWindow</name>
    <message>
        <source>&amp;Today</source>
        <translation>اليوم (&amp;T)</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>نسخ الكل (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إغلاق (&amp;C)</translation>
    </message>
    <message>
        <source>Coptic Date — Zefnaro</source>
        <translation>التاريخ القبطي — زفنارو</translation>
    </message>
    <message>
        <source>Gregorian date</source>
        <translation>التاريخ الميلادي</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Coptic day</source>
        <translation>اليوم القبطي</translation>
    </message>
    <message>
        <source>Coptic month</source>
        <translation>الشهر القبطي</translation>
    </message>
    <message>
        <source>Coptic year, Anno Martyrum</source>
        <translation>السنة القبطية، لتقويم الشهداء</translation>
    </message>
    <message>
        <source> AM</source>
        <translation> للشهداء</translation>
    </message>
    <message>
        <source>Read a Coptic date</source>
        <translation>اقرأ تاريخًا قبطيًا</translation>
    </message>
    <message>
        <source>29 Hathor 1743, ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅ or 1743-03-29</source>
        <translation>٢٩ هاتور ١٧٤٣ أو ⁨ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅⁩ أو ⁨1743-03-29⁩</translation>
    </message>
    <message>
        <source>Coptic date report</source>
        <translation>تقرير التاريخ القبطي</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>نسخ الكل</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>&amp;Gregorian:</source>
        <translation>ميلادي (&amp;G):</translation>
    </message>
    <message>
        <source>Copt&amp;ic:</source>
        <translation>قبطي (&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Read:</source>
        <translation>اقرأ (&amp;R):</translation>
    </message>
    <message>
        <source> is </source>
        <translation> هو </translation>
    </message>
    <message>
        <source>Add to Ca&amp;lendar...</source>
        <translation>أضف إلى التقويم (&amp;L)...</translation>
    </message>
    <message>
        <source>The year's feasts and fasts</source>
        <translation>أعياد السنة وأصوامها</translation>
    </message>
    <message>
        <source>Add to Calendar</source>
        <translation>أضف إلى التقويم</translation>
    </message>
    <message>
        <source>The calendar could not be saved as %1.</source>
        <translation>تعذّر حفظ التقويم باسم %1.</translation>
    </message>
    <message>
        <source>Coptic church year %1.ics</source>
        <translation>السنة الكنسية القبطية %1.ics</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
</context>
<context>
    <name>zefnaro::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>ملف (&amp;F)</translation>
    </message>
    <message>
        <source>Save Report &amp;As...</source>
        <translation>حفظ التقرير باسم (&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>طباعة (&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>خروج (&amp;Q)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>تعذّر حفظ التقرير باسم %1.</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>صفحة ويب (*.html)</translation>
    </message>
    <message>
        <source>OpenDocument text (*.odt)</source>
        <translation>مستند OpenDocument نصي (*.odt)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Zefnaro %1</source>
        <translation>زفنارو %1</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>حفظ التقرير باسم</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>طباعة التقرير</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>عشوائي (&amp;R)</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>العدد</translation>
    </message>
    <message>
        <source>The number to translate, up to nine digits. Up and Down step it by 1, Page Up and Page Down by 1,000.</source>
        <translation>العدد المراد ترجمته، حتى تسعة أرقام. مفتاحا الأعلى والأسفل يغيّرانه بمقدار ١، وPage Up وPage Down بمقدار ١٬٠٠٠.</translation>
    </message>
    <message>
        <source>Step the number</source>
        <translation>غيّر العدد خطوة</translation>
    </message>
    <message>
        <source>Increase the number by 1</source>
        <translation>زِد العدد بمقدار ١</translation>
    </message>
    <message>
        <source>Decrease the number by 1</source>
        <translation>أنقص العدد بمقدار ١</translation>
    </message>
    <message>
        <source>Use the up and down buttons to increase or decrease the number by 1.</source>
        <translation>استخدم زرّي الأعلى والأسفل لزيادة العدد أو إنقاصه بمقدار ١.</translation>
    </message>
    <message>
        <source>Random numbers up to</source>
        <translation>أعداد عشوائية حتى</translation>
    </message>
    <message>
        <source>How large the numbers Random picks may be</source>
        <translation>أكبر عدد يختاره زر «عشوائي»</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>حتى %1</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>التقرير</translation>
    </message>
    <message>
        <source>The number in digits, English words, Coptic words, their pronunciation and Coptic numerals.</source>
        <translation>العدد بالأرقام وبالكلمات العربية وبالكلمات القبطية ونطقها وبالأرقام القبطية.</translation>
    </message>
    <message>
        <source>The Coptic font, the size, the gender and the kind of number of the report</source>
        <translation>الخط القبطي والحجم والجنس ونوع العدد في التقرير</translation>
    </message>
    <message>
        <source>%1 is not installed, so its Coptic text is shown as plain letters. Install the font, or choose a Unicode font such as %2 in Settings (Ctrl+S).</source>
        <translation>الخط %1 غير مثبت، فيظهر نصه القبطي حروفًا عادية. ثبّت الخط، أو اختر خط يونيكود مثل %2 في الإعدادات (Ctrl+S).</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>تحرير (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy Selected</source>
        <translation>نسخ المحدد (&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>نسخ الكل (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>لصق (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>الإعدادات (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>تعلّم (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Practice...</source>
        <translation>تدريب (&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعدة (&amp;H)</translation>
    </message>
    <message>
        <source>Launch &amp;Help...</source>
        <translation>افتح المساعدة (&amp;H)...</translation>
    </message>
    <message>
        <source>Launch &amp;Tutorial...</source>
        <translation>افتح الدرس التعليمي (&amp;T)...</translation>
    </message>
    <message>
        <source>Launch &amp;EULA...</source>
        <translation>افتح اتفاقية الترخيص (&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;About ZFN</source>
        <translation>حول البرنامج (&amp;A)</translation>
    </message>
    <message>
        <source>Pasted text is no written number: %1</source>
        <translation>النص الملصق ليس عددًا مكتوبًا: %1</translation>
    </message>
    <message>
        <source>Now showing %1 forms, as the pasted text is written</source>
        <translation>يُعرض الآن بصيغة %1، كما كُتب النص الملصق</translation>
    </message>
    <message>
        <source>ordinal</source>
        <translation>العدد الترتيبي</translation>
    </message>
    <message>
        <source>cardinal</source>
        <translation>العدد الأصلي</translation>
    </message>
    <message>
        <source>masculine</source>
        <translation>مذكر</translation>
    </message>
    <message>
        <source>feminine</source>
        <translation>مؤنث</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>عرض (&amp;V)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>تكبير (&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>تصغير (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>الحجم الفعلي (&amp;A)</translation>
    </message>
    <message>
        <source>Coptic &amp;Date...</source>
        <translation>التاريخ القبطي (&amp;D)...</translation>
    </message>
</context>
<context>
    <name>zefnaro::NumberBox</name>
    <message>
        <source>&amp;Paste</source>
        <translation>لصق (&amp;P)</translation>
    </message>
</context>
<context>
    <name>zefnaro::PracticeWindow</name>
    <message>
        <source>&amp;Check</source>
        <translation>تحقّق (&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;Answer</source>
        <translation>أظهر الإجابة (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>التالي (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Worksheet...</source>
        <translation>ورقة عمل (&amp;W)...</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>تدريب</translation>
    </message>
    <message>
        <source>What to practise</source>
        <translation>ما تتدرب عليه</translation>
    </message>
    <message>
        <source>Read Coptic numerals</source>
        <translation>قراءة الأرقام القبطية</translation>
    </message>
    <message>
        <source>Read Coptic words</source>
        <translation>قراءة الكلمات القبطية</translation>
    </message>
    <message>
        <source>Read the pronunciation</source>
        <translation>قراءة النطق</translation>
    </message>
    <message>
        <source>Write Coptic numerals</source>
        <translation>كتابة الأرقام القبطية</translation>
    </message>
    <message>
        <source>Write Coptic words</source>
        <translation>كتابة الكلمات القبطية</translation>
    </message>
    <message>
        <source>Numbers up to</source>
        <translation>أعداد حتى</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>حتى %1</translation>
    </message>
    <message>
        <source>Forms</source>
        <translation>الصيغ</translation>
    </message>
    <message>
        <source>As in Settings</source>
        <translation>كما في الإعدادات</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>مختلطة</translation>
    </message>
    <message>
        <source>What to do</source>
        <translation>المطلوب</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>السؤال</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>إجابتك</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>الحكم</translation>
    </message>
    <message>
        <source>The report of the number asked</source>
        <translation>تقرير العدد المسؤول عنه</translation>
    </message>
    <message>
        <source>Save or print a worksheet of questions in this mode and range, with the answers on its last page</source>
        <translation>احفظ أو اطبع ورقة عمل بأسئلة من هذا النوع وهذا المدى، ومفتاح الإجابات في صفحتها الأخيرة</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Coptic keypad</source>
        <translation>لوحة المفاتيح القبطية</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>مسافة</translation>
    </message>
    <message>
        <source>&amp;Practise:</source>
        <translation>تدريب على (&amp;P):</translation>
    </message>
    <message>
        <source>N&amp;umbers:</source>
        <translation>الأعداد (&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Forms:</source>
        <translation>الصيغ (&amp;F):</translation>
    </message>
    <message>
        <source>The answer is %1.</source>
        <translation>الإجابة: %1.</translation>
    </message>
    <message>
        <source>Write your answer, then press Enter.</source>
        <translation>اكتب إجابتك ثم اضغط Enter.</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>صحيح!</translation>
    </message>
    <message>
        <source>Not yet: %1.</source>
        <translation>ليس بعد: %1.</translation>
    </message>
    <message>
        <source>Not yet: you wrote %1</source>
        <translation>ليس بعد: كتبت %1</translation>
    </message>
    <message>
        <source>Score: %1 of %2 · streak %3</source>
        <translation>النتيجة: %1 من %2 · متتالية %3</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>ورقة عمل</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1.</source>
        <translation>تعذّر حفظ ورقة العمل باسم %1.</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation>حفظ ورقة العمل</translation>
    </message>
    <message>
        <source>Zefnaro worksheet.pdf</source>
        <translation>ورقة عمل زفنارو.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>zefnaro::SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Display &amp;masculine form of Coptic number</source>
        <translation>اعرض صيغة المذكر للعدد القبطي (&amp;M)</translation>
    </message>
    <message>
        <source>Display Coptic &amp;ordinal number</source>
        <translation>اعرض العدد الترتيبي القبطي (&amp;O)</translation>
    </message>
    <message>
        <source>Coptic Fo&amp;nt:</source>
        <translation>الخط القبطي (&amp;N):</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>الحجم (&amp;Z):</translation>
    </message>
    <message>
        <source>Coptic font</source>
        <translation>الخط القبطي</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>الافتراضي (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إغلاق (&amp;C)</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <translation>%1 (غير مثبت)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>اللغة (&amp;L):</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>System</source>
        <translation>لغة النظام</translation>
    </message>
</context>
<context>
    <name>zefnaro::WorksheetDialog</name>
    <message>
        <source>Worksheet</source>
        <translation>ورقة عمل</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>حتى %1</translation>
    </message>
    <message>
        <source>As in Settings</source>
        <translation>كما في الإعدادات</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>مختلطة</translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation>%1 نقطة</translation>
    </message>
    <message>
        <source>&amp;Answer key on pages of its own</source>
        <translation>مفتاح الإجابات في صفحات مستقلة (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>العنوان (&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Practise:</source>
        <translation>تدريب على (&amp;P):</translation>
    </message>
    <message>
        <source>N&amp;umbers:</source>
        <translation>الأعداد (&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Forms:</source>
        <translation>الصيغ (&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Questions:</source>
        <translation>الأسئلة (&amp;Q):</translation>
    </message>
    <message>
        <source>Type si&amp;ze:</source>
        <translation>حجم الخط (&amp;Z):</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>حفظ بصيغة PDF (&amp;S)...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>طباعة (&amp;R)...</translation>
    </message>
</context>
</TS>