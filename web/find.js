// The Find view: every Coptic numeral of a pasted or opened text, as zefnaro-cli
// --find finds it, marked in place with its value and listed with its line and
// column; the list copies as CSV. The finding runs in a worker.
import { grouped, t } from './language.js';
import { $, say, showReport } from './page.js';

const area = $('find-text'), list = $('find-list'), marked = $('find-marked'), file = $('find-file');
const more = $('find-more');
const worker = new Worker(new URL('./find-worker.js', import.meta.url), { type: 'module' });
let asked = 0, shown = { text: '', found: [] };

// A fraction's number is "1/3", in the language's digits, kept left to right inside
// right-to-left text.
const value = (f) => (f.kind === 'fraction' ? '\u2066' + grouped(1) + '/' + grouped(f.denominator) + '\u2069'
  : grouped(f.number)) +
  (f.ordinal ? ' ' + t('ordinal') : '') + (f.masculine ? '' : ' ' + t('feminine'));

// Where a numeral starts in its line: its column counts characters as people see
// them, a letter with its marks one.
function indexOf(line, column) {
  let seen = 0;
  for (let i = 0; i < line.length;) {
    const code = line.codePointAt(i);
    if (!/\p{M}/u.test(String.fromCodePoint(code)) && ++seen === column) return i;
    i += code > 0xFFFF ? 2 : 1;
  }
  return -1;
}

// A long text is listed and marked in part, so that the page stays quick: the first
// rows and lines, and a note of the rest; the CSV holds every numeral.
const rowsShown = 1000, linesShown = 2000;

function show(text, found) {
  shown = { text, found };
  list.replaceChildren();
  for (const f of found.slice(0, rowsShown)) {
    const row = list.insertRow();
    for (const cell of [grouped(f.line), grouped(f.column), f.text, value(f), t(f.kind)]) row.insertCell().textContent = cell;
    row.cells[2].lang = 'cop';
    row.cells[2].dir = 'ltr';
  }
  // The text with each numeral marked where it stands.
  const lines = text.split('\n'), byLine = new Map();
  for (const f of found) {
    if (f.line > linesShown) break;
    if (!byLine.has(f.line)) byLine.set(f.line, []);
    byLine.get(f.line).push(f);
  }
  const out = document.createDocumentFragment();
  lines.slice(0, linesShown).forEach((line, n) => {
    let from = 0;
    for (const f of byLine.get(n + 1) ?? []) {
      const at = indexOf(line, f.column);
      if (at < from || line.substr(at, f.text.length) !== f.text) continue;
      out.append(line.slice(from, at));
      const mark = document.createElement('mark');
      mark.textContent = f.text;
      mark.title = '= ' + value(f);
      mark.tabIndex = 0;
      mark.className = 'letter';
      out.append(mark);
      from = at + f.text.length;
    }
    out.append(line.slice(from) + (n + 1 < lines.length ? '\n' : ''));
  });
  marked.replaceChildren(out);
  more.hidden = found.length <= rowsShown && lines.length <= linesShown;
  more.textContent = t('The first %1 numerals and %2 lines are shown; the CSV holds all %3.',
    grouped(Math.min(rowsShown, found.length)), grouped(Math.min(linesShown, lines.length)), grouped(found.length));
  say(found.length === 1 ? t('1 numeral found') : t('%1 numerals found', grouped(found.length)));
}

worker.onmessage = (e) => { if (e.data.id === asked) show(pending, e.data.found); }; // only the latest answer
let pending = '';
function find() {
  pending = area.value;
  asked += 1;
  worker.postMessage({ id: asked, text: pending });
}
let typing;
area.addEventListener('input', () => { clearTimeout(typing); typing = setTimeout(find, 300); });
file.addEventListener('change', async () => {
  if (!file.files[0]) return;
  area.value = await file.files[0].text();
  find();
});

// The list as CSV: line, column, numeral, number (1/3 for a fraction), ordinal,
// masculine, kind.
$('find-copy').addEventListener('click', async () => {
  const quote = (s) => '"' + String(s).replaceAll('"', '""') + '"';
  const csv = ['line,column,numeral,number,ordinal,masculine,kind',
    ...shown.found.map((f) => [f.line, f.column, quote(f.text), f.number, f.ordinal, f.masculine, f.kind].join(','))]
    .join('\r\n') + '\r\n';
  try {
    await navigator.clipboard.writeText(csv);
    say(t('Copied the list as CSV'));
  } catch {
    say(t('The browser did not allow copying'), true);
  }
});

export function showAddress() {
  showReport(false); // the text itself, marked, is this view's report
  if (area.value !== shown.text) find();
}
export const address = () => '#find';
export const focus = () => area.focus();
export const copied = () => null;
