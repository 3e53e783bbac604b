// Zefnaro on the web: the number box, the switches and the address drive one
// report, composed and rendered by the C++ engine compiled to WebAssembly; the
// date view shows a day's report the same way.
import createZefnaro from './zefnaro.mjs';

const $ = (id) => document.getElementById(id);
const box = $('number'), ordinal = $('ordinal'), feminine = $('feminine');
const report = $('report'), status = $('status'), tip = $('tip');
const largest = 999999999;
const ranges = [10, 100, 1000, 10000, 1000000, largest]; // as the window's Random offers

const engine = await createZefnaro();
const compose = engine.cwrap('zefnaro_report', 'string', ['string', 'number', 'number']);
const plainText = engine.cwrap('zefnaro_text', 'string', []);
const page = engine.cwrap('zefnaro_page', 'string', []);
const fontText = engine.cwrap('zefnaro_font_text', 'string', []);
const fontTextPage = engine.cwrap('zefnaro_font_text_page', 'string', []);
const read = engine.cwrap('zefnaro_read', 'number', ['string']);
const readForm = engine.cwrap('zefnaro_read_form', 'number', []);
const readError = engine.cwrap('zefnaro_read_error', 'string', []);
const dayOfCoptic = engine.cwrap('zefnaro_coptic_day', 'string', ['number', 'number', 'number']);
const dayOfGregorian = engine.cwrap('zefnaro_gregorian_day', 'string', ['string']);
const dayOfText = engine.cwrap('zefnaro_read_coptic_day', 'string', ['string']);
const dayCoptic = engine.cwrap('zefnaro_day_coptic', 'number', []);
const dayGregorian = engine.cwrap('zefnaro_day_gregorian', 'string', []);
const dayError = engine.cwrap('zefnaro_day_error', 'string', []);
const monthName = engine.cwrap('zefnaro_month_name', 'string', ['number']);
const monthDays = engine.cwrap('zefnaro_month_days', 'number', ['number', 'number']);

// The address holds what is shown: #2005, #2005/ordinal, #2005/feminine,
// #2005/ordinal/feminine.
function address() {
  return '#' + (box.value || '0') + (ordinal.checked ? '/ordinal' : '') + (feminine.checked ? '/feminine' : '');
}

// Each number shown is a step Back can return to; digits typed one after another
// are one step, so Back leaves the whole number typed.
function show({ remember = true, typing = false } = {}) {
  report.innerHTML = compose(box.value, ordinal.checked ? 1 : 0, feminine.checked ? 1 : 0);
  if (remember && location.hash !== address()) {
    if (typing && history.state?.typed) history.replaceState({ typed: true }, '', address());
    else history.pushState({ typed: typing }, '', address());
  }
  document.title = 'Zefnaro — ' + (box.value || '0');
  viewLinks.numbers.href = address();
}

function say(text, isError = false) {
  status.textContent = text;
  status.classList.toggle('error', isError);
}

function setNumber(n) {
  box.value = String(Math.max(0, Math.min(largest, n)));
  say('');
  show();
}

// ---- The views: numbers (#2005/ordinal) and days (#date/2026-12-08) ----------
const views = { numbers: $('controls'), date: $('date-controls') };
const viewLinks = { numbers: $('view-numbers'), date: $('view-date') };
function setView(name) {
  for (const [view, form] of Object.entries(views)) {
    form.hidden = view !== name;
    if (view === name) viewLinks[view].setAttribute('aria-current', 'page');
    else viewLinks[view].removeAttribute('aria-current');
  }
  viewLinks.numbers.href = address();
}

const gregorian = $('gregorian'), copticDay = $('coptic-day'), copticMonth = $('coptic-month');
const copticYear = $('coptic-year'), copticText = $('coptic-text');
for (let m = 1; m <= 13; ++m) copticMonth.add(new Option(m + ' ' + monthName(m), String(m)));

function today() {
  const d = new Date();
  const two = (n) => String(n).padStart(2, '0');
  return `${String(d.getFullYear()).padStart(4, '0')}-${two(d.getMonth() + 1)}-${two(d.getDate())}`;
}

function showMessage(text) {
  report.innerHTML = '<p class="piece-blank"></p><p class="piece-message"></p>';
  report.lastChild.textContent = text;
}

// Shows the engine's report of a day and sets both sides' fields to it; "" is no
// day, and its reason is said.
function showDay(html, { remember = true } = {}) {
  if (html === '') {
    say(dayError(), true);
    return false;
  }
  report.innerHTML = html;
  const c = dayCoptic();
  const year = Math.floor(c / 10000), month = Math.floor(c / 100) % 100;
  copticYear.value = String(year);
  copticMonth.value = String(month);
  copticDay.max = String(monthDays(year, month));
  copticDay.value = String(c % 100);
  gregorian.value = dayGregorian();
  const where = '#date/' + gregorian.value;
  if (remember && location.hash !== where) history.pushState({}, '', where);
  document.title = 'Zefnaro — ' + gregorian.value;
  return true;
}

gregorian.addEventListener('change', () => {
  if (gregorian.value) { say(''); showDay(dayOfGregorian(gregorian.value)); }
});
$('today').addEventListener('click', () => { say(''); showDay(dayOfGregorian(today())); });
// A day past the month's end (31 in a month of 30, 6 Pi Kogi Enavot in a common
// year) is brought back to its last day, as the window's fields do.
for (const field of [copticDay, copticMonth, copticYear]) {
  field.addEventListener('change', () => {
    const year = Number(copticYear.value), month = Number(copticMonth.value);
    const day = Math.min(Number(copticDay.value), monthDays(year, month));
    if (showDay(dayOfCoptic(year, month, day))) say('');
  });
}
copticText.addEventListener('keydown', (e) => {
  if (e.key !== 'Enter') return;
  e.preventDefault();
  if (showDay(dayOfText(copticText.value))) {
    const shown = report.querySelectorAll('.piece-digits')[1].textContent; // "29 Hathor 1743 AM"
    say(`Read ${JSON.stringify(copticText.value.trim())} as ${shown}`);
  }
});

function fromAddress() {
  const hash = decodeURIComponent(location.hash.slice(1));
  if (hash === 'date' || hash.startsWith('date/')) {
    setView('date');
    say('');
    if (!showDay(dayOfGregorian(hash.slice(5) || today()), { remember: false })) showMessage(dayError());
    return;
  }
  setView('numbers');
  const [number, ...forms] = hash.split('/');
  if (/^[0-9]{1,9}$/.test(number)) box.value = String(Number(number));
  ordinal.checked = forms.includes('ordinal');
  feminine.checked = forms.includes('feminine');
  show({ remember: false });
}

// What the window's box takes: digits only, nine at most.
box.addEventListener('beforeinput', (e) => {
  if (e.inputType.startsWith('delete') || e.inputType === 'historyUndo' || e.inputType === 'historyRedo') return;
  if (e.inputType === 'insertFromPaste' || e.inputType === 'insertFromDrop') return; // read below
  const typed = e.data ?? '';
  const room = 9 - box.value.length + (box.selectionEnd - box.selectionStart);
  if (!/^[0-9]*$/.test(typed) || typed.length > room) {
    e.preventDefault();
    say(/^[0-9]*$/.test(typed) ? 'Nine digits at most' : 'Digits only; paste a written number to read it', true);
  }
});
box.addEventListener('input', () => { say(''); show({ typing: true }); });
box.addEventListener('keydown', (e) => {
  const by = { ArrowUp: 1, ArrowDown: -1, PageUp: 1000, PageDown: -1000 }[e.key];
  if (by && !e.altKey && !e.ctrlKey && !e.metaKey) {
    e.preventDefault();
    setNumber(Number(box.value || 0) + by);
  }
});

// A pasted or dropped text in any written form is read as the window reads it.
function readWritten(text) {
  const n = read(text);
  if (n === 0) {
    say(readError(), true);
    return;
  }
  const form = readForm();
  if (form & 1) ordinal.checked = true;
  if (form & 2) feminine.checked = true;
  box.value = String(n);
  say('Read ' + JSON.stringify(text.trim()) + ' as ' + n.toLocaleString('en'));
  show();
}
box.addEventListener('paste', (e) => {
  e.preventDefault();
  readWritten(e.clipboardData.getData('text/plain'));
});
for (const target of [box, report]) {
  target.addEventListener('dragover', (e) => e.preventDefault());
  target.addEventListener('drop', (e) => {
    e.preventDefault();
    readWritten(e.dataTransfer.getData('text/plain'));
  });
}

$('up').addEventListener('click', () => setNumber(Number(box.value || 0) + 1));
$('down').addEventListener('click', () => setNumber(Number(box.value || 0) - 1));
ordinal.addEventListener('change', () => show());
feminine.addEventListener('change', () => show());
const range = $('range');
for (const upTo of ranges) range.add(new Option('up to ' + upTo.toLocaleString('en'), String(upTo)));
range.value = String(largest);
$('random').addEventListener('click', () => {
  setNumber(1 + Math.floor(Math.random() * Number(range.value)));
  box.select();
});

// Copy: the report as HTML (fonts, colours) and plain text; or in the CS fonts' text.
async function copy(html, text, what) {
  try {
    await navigator.clipboard.write([new ClipboardItem({
      'text/html': new Blob([html], { type: 'text/html' }),
      'text/plain': new Blob([text], { type: 'text/plain' }),
    })]);
    say('Copied ' + what);
  } catch {
    say('The browser did not allow copying', true);
  }
}
$('copy').addEventListener('click', () => copy(page(), plainText(), 'the report'));
$('copy-font-text').addEventListener('click', () => {
  const text = fontText(); // first: the page is of the report it composes
  copy(fontTextPage(), text, 'the report in CS font text');
});
document.addEventListener('keydown', (e) => {
  const field = document.activeElement;
  const nothingSelected = (getSelection()?.toString() ?? '') === '' &&
    (field?.selectionStart ?? 0) === (field?.selectionEnd ?? 0);
  if ((e.ctrlKey || e.metaKey) && e.key === 'c' && nothingSelected) {
    e.preventDefault();
    copy(page(), plainText(), 'the report');
  }
});

// What a numeral letter stands for, on hover, focus or tap (screen readers read
// the letter's label).
function showTip(letter) {
  const r = letter.getBoundingClientRect();
  tip.textContent = letter.title;
  tip.hidden = false;
  tip.style.left = Math.max(4, Math.min(r.left, innerWidth - tip.offsetWidth - 4)) + 'px';
  tip.style.top = (r.bottom + 6) + 'px';
}
for (const type of ['mouseover', 'focusin', 'click']) {
  report.addEventListener(type, (e) => {
    const letter = e.target.closest('.letter');
    if (letter) showTip(letter); else if (type !== 'click') tip.hidden = true;
  });
}
report.addEventListener('mouseout', () => { tip.hidden = true; });
report.addEventListener('focusout', () => { tip.hidden = true; });

addEventListener('popstate', fromAddress);
addEventListener('hashchange', fromAddress); // a view's link followed
if (location.hash) fromAddress(); else { setView('numbers'); show({ remember: false }); }
performance.mark('first-report'); // how long a cold load takes to show one
(views.date.hidden ? box : gregorian).focus();

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
