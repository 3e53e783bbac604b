// The numbers view: the number box, the switches, Random and pasting drive one
// report, composed and rendered by the engine.
import { call, facts, formName } from './engine.js';
import { grouped, language, ownDigits, quoted, t } from './language.js';
import { keypad } from './keypad.js';
import { $, report, say, viewLinks } from './page.js';

const box = $('number'), ordinal = $('ordinal'), feminine = $('feminine');
const numeral = $('numeral'), keysButton = $('numeral-keys'), keys = $('number-keypad');
const form = () => formName(ordinal.checked, feminine.checked);

// The address holds what is shown: #2005, #2005/ordinal, #2005/feminine,
// #2005/ordinal/feminine.
export function address() {
  return '#' + (box.value || '0') + (ordinal.checked ? '/ordinal' : '') + (feminine.checked ? '/feminine' : '');
}

// The report index.html came with, if it still shows: the same report from the
// engine leaves it as it is, neither laid out nor announced again.
let cameWith = report.firstChild ? report.innerHTML : null;

// Each number shown is a step Back can return to; digits typed one after another
// are one step, so Back leaves the whole number typed.
function show({ remember = true, typing = false, keyed = false } = {}) {
  if (!keyed) numeral.value = ''; // what the keypad wrote stays only while it is the number shown
  const html = call('report', { entry: box.value, form: form(), writing: 'unicode', language }).html;
  if (html !== cameWith) report.innerHTML = html;
  cameWith = null;
  if (remember && location.hash !== address()) {
    if (typing && history.state?.typed) history.replaceState({ typed: true }, '', address());
    else history.pushState({ typed: typing }, '', address());
  }
  document.title = t('Zefnaro') + ' — ' + (ownDigits ? grouped(Number(box.value || 0)) : box.value || '0');
  viewLinks.numbers.href = address();
}

function setNumber(n) {
  box.value = String(Math.max(0, Math.min(facts.largest_number, n)));
  say('');
  show();
}

// Shows what an address such as 2005/ordinal/feminine names.
export function showAddress(hash) {
  const [number, ...forms] = hash.split('/');
  if (/^[0-9]{1,9}$/.test(number)) box.value = String(Number(number));
  ordinal.checked = forms.includes('ordinal');
  feminine.checked = forms.includes('feminine');
  show({ remember: false });
}

// The report shown, as copies carry it: in Unicode, or in the CS fonts' text.
export const copied = (writing) => call('report_copy', { entry: box.value, form: form(), writing, language });
export const focus = () => box.focus();

// What the window's box takes: digits only, nine at most; Arabic-Indic digits typed
// on an Arabic keyboard go in as the digits they are.
const asciiDigits = (text) => text.replace(/[\u0660-\u0669\u06F0-\u06F9]/g,
  (d) => String(d.charCodeAt(0) & 0xF));
box.addEventListener('beforeinput', (e) => {
  if (e.inputType.startsWith('delete') || e.inputType === 'historyUndo' || e.inputType === 'historyRedo') return;
  if (e.inputType === 'insertFromPaste' || e.inputType === 'insertFromDrop') return; // read below
  const typed = asciiDigits(e.data ?? '');
  if (typed !== (e.data ?? '') && /^[0-9]+$/.test(typed) &&
      typed.length <= 9 - box.value.length + (box.selectionEnd - box.selectionStart)) {
    e.preventDefault();
    box.setRangeText(typed, box.selectionStart, box.selectionEnd, 'end');
    say('');
    show({ typing: true });
    return;
  }
  const room = 9 - box.value.length + (box.selectionEnd - box.selectionStart);
  if (!/^[0-9]*$/.test(typed) || typed.length > room) {
    e.preventDefault();
    say(t(/^[0-9]*$/.test(typed) ? 'Nine digits at most' : 'Digits only; paste a written number to read it'), true);
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
function readWritten(text, { keyed = false } = {}) {
  const read = call('read', { text, language });
  if (read.error !== undefined) {
    say(read.error, true);
    return;
  }
  if (read.ordinal) ordinal.checked = true;
  if (!read.masculine) feminine.checked = true;
  box.value = String(read.number);
  say(t('Read %1 as %2', quoted(text.trim()), grouped(read.number)));
  show({ typing: keyed, keyed });
}
box.addEventListener('paste', (e) => {
  e.preventDefault();
  readWritten(e.clipboardData.getData('text/plain'));
});
for (const target of [box, report]) {
  target.addEventListener('dragover', (e) => e.preventDefault());
  target.addEventListener('drop', (e) => {
    e.preventDefault();
    if (!$('controls').hidden) readWritten(e.dataTransfer.getData('text/plain'));
  });
}

$('up').addEventListener('click', () => setNumber(Number(box.value || 0) + 1));
$('down').addEventListener('click', () => setNumber(Number(box.value || 0) - 1));
ordinal.addEventListener('change', () => show());
feminine.addEventListener('change', () => show());
const range = $('range');
for (const upTo of facts.ranges) range.add(new Option(t('up to %1', grouped(upTo)), String(upTo)));
range.value = String(facts.largest_number);
$('random').addEventListener('click', () => {
  setNumber(1 + Math.floor(Math.random() * Number(range.value)));
  box.select();
});

// The keypad writes a Coptic numeral, read as it grows: the number it reads as is
// shown, or why it does not read yet.
keypad($('numeral-keypad'), numeral);
keysButton.addEventListener('click', () => {
  const open = keys.hidden;
  keys.hidden = !open;
  keysButton.setAttribute('aria-expanded', String(open));
  if (open) numeral.focus();
});
numeral.addEventListener('input', () => {
  if (numeral.value.trim()) readWritten(numeral.value, { keyed: true });
  else say('');
});
