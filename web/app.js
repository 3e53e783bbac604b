// Zefnaro on the web: the number box, the switches and the address drive one
// report, composed and rendered by the C++ engine compiled to WebAssembly.
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

function fromAddress() {
  const [number, ...forms] = decodeURIComponent(location.hash.slice(1)).split('/');
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
  const nothingSelected = (getSelection()?.toString() ?? '') === '' &&
    (document.activeElement !== box || box.selectionStart === box.selectionEnd);
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
if (location.hash) fromAddress(); else show({ remember: false });
performance.mark('first-report'); // how long a cold load takes to show one
box.focus();

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
