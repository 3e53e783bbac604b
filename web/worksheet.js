// The worksheet view (#worksheet?ask=numerals&up-to=1000&…&seed=…): a teacher's
// choices in the address, so a link prints the same sheet; the questions drawn by
// the engine from the seed, as the window draws them; the pages laid out here as
// the window lays them out, on A4 or US Letter, and printed by the browser.
import { call, facts } from './engine.js';
import { grouped, language, t } from './language.js';
import { $, say, showReport, viewLinks } from './page.js';
import { asks } from './practice.js';

const mm = 96 / 25.4, pt = 96 / 72; // CSS px
const papers = { a4: [210, 297], letter: [215.9, 279.4] }; // mm
const margin = 15, gap = 6 * mm; // mm as the window's; px
const forms = { 'mixed': 'Mixed', 'cardinal-masculine': 'Cardinal, masculine', 'cardinal-feminine': 'Cardinal, feminine',
  'ordinal-masculine': 'Ordinal, masculine', 'ordinal-feminine': 'Ordinal, feminine' };
const ranges = facts.ranges;
const sizes = [12, 14, 16, 20, 24];

const title = $('sheet-title'), ask = $('sheet-ask'), range = $('sheet-range'), form = $('sheet-forms');
const count = $('sheet-count'), size = $('sheet-size'), paper = $('sheet-paper'), key = $('sheet-key');
const sheet = $('sheet'), ruler = $('sheet-measure');
for (const [name, text] of Object.entries(asks)) ask.add(new Option(t(text), name));
for (const upTo of ranges) range.add(new Option(t('up to %1', grouped(upTo)), String(upTo)));
for (const [name, text] of Object.entries(forms)) form.add(new Option(t(text), name));
for (const points of sizes) size.add(new Option(t('%1 pt', grouped(points)), String(points)));

const newSeed = () => Math.floor(Math.random() * 2 ** 32);
// Letter where it is the paper in use, A4 elsewhere.
const localPaper = /-(US|CA|MX|PH)$/i.test(navigator.language) ? 'letter' : 'a4';
let seed = newSeed();

// The choices an address names; anything missing or unknown as a new sheet has it.
function choose(hash) {
  const q = new URLSearchParams(hash.includes('?') ? hash.slice(hash.indexOf('?') + 1) : '');
  const pick = (name, allowed, otherwise) => (allowed.includes(q.get(name)) ? q.get(name) : otherwise);
  ask.value = pick('ask', Object.keys(asks), 'numerals');
  range.value = pick('up-to', ranges.map(String), '1000');
  form.value = pick('forms', Object.keys(forms), 'mixed');
  const n = Number(q.get('count'));
  count.value = String(Number.isInteger(n) && n >= 1 && n <= 200 ? n : 20);
  size.value = pick('size', sizes.map(String), '16');
  paper.value = pick('paper', Object.keys(papers), localPaper);
  key.checked = q.get('key') !== '0';
  title.value = (q.get('title') ?? '').slice(0, 200);
  const s = Number(q.get('seed'));
  seed = q.has('seed') && Number.isInteger(s) && s >= 0 && s < 2 ** 32 ? s : newSeed();
}

export function address() {
  const q = new URLSearchParams({ ask: ask.value, 'up-to': range.value, forms: form.value, count: count.value,
    size: size.value, paper: paper.value, key: key.checked ? '1' : '0', seed: String(seed) });
  if (title.value.trim()) q.set('title', title.value.trim());
  return '#worksheet?' + q;
}

// The questions, as the engine draws them for the choices and the seed.
function drawn() {
  return call('worksheet', { ask: ask.value, up_to: Number(range.value), forms: form.value, seed,
    count: Number(count.value), language });
}

const element = (tag, className, text) => {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
};
const widest = (font, texts) => {
  ruler.style.font = font;
  let w = 0;
  for (const text of texts) {
    ruler.textContent = text;
    w = Math.max(w, ruler.getBoundingClientRect().width);
  }
  return w;
};
// Coptic keeps its own direction on an Arabic sheet, from the sheet's side.
const isolated = (text, isCoptic) => {
  const e = element('bdi', '', text);
  if (isCoptic) e.dir = 'ltr';
  return e;
};
const arial = 'Arial, "Liberation Sans", sans-serif', coptic = '"Zefnaro Coptic", "Noto Sans Coptic", serif';

// A page's header: the title; on question pages the lines for the name and the
// date, and what to do.
function header(text, instruction) {
  const head = element('header', 'sheet-head');
  head.append(element('h2', '', text));
  if (instruction !== undefined) {
    const line = element('p', 'name-date');
    for (const [word, className] of [[t('Name'), 'name'], [t('Date'), 'date']]) {
      const part = element('span', className, word);
      part.append(element('span', 'blank'));
      line.append(part);
    }
    head.append(line, element('p', '', instruction));
  }
  return head;
}

// The cells of one grid (the questions' or the key's) onto pages, down each column,
// a header on each page: the window's layout. Returns the pages.
function pages(look, texts, answers, head, [width, height]) {
  const points = look.points * pt, line = points * 1.25; // .sheet-page sets line-height 1.25
  const numberFont = `${look.points * look.numberScale}pt ${arial}`;
  const textFont = `${look.points}pt ${look.copticText ? coptic : arial}`;
  const answerFont = `${look.boldAnswer ? 'bold ' : ''}${look.points}pt ${look.copticAnswer ? coptic : arial}`;
  const numberWidth = widest(numberFont, [grouped(texts.length) + '. ']);
  const textWidth = widest(textFont, texts);
  const answerWidth = Math.max(widest(answerFont, answers) * look.answerScale, look.answerLeast);
  const stacked = numberWidth + textWidth + gap + answerWidth > width;
  const rowHeight = line * (stacked ? look.rowsStacked : look.rowsBeside);
  const cell = numberWidth + (stacked ? Math.max(textWidth, answerWidth) : textWidth + gap + answerWidth);
  const columns = Math.max(1, Math.floor((width + gap) / (cell + gap)));
  ruler.replaceChildren(head());
  ruler.style.width = width + 'px';
  ruler.style.font = '';
  const top = ruler.getBoundingClientRect().height;
  ruler.style.width = '';
  const rows = Math.max(1, Math.floor((height - top) / rowHeight));
  const made = [];
  for (let next = 0; next < texts.length;) {
    const page = element('div', 'sheet-page');
    const grid = element('ol', 'sheet-grid' + (stacked ? ' stacked' : ''));
    grid.style.gridTemplateColumns = `repeat(${columns}, 1fr)`;
    grid.style.gridTemplateRows = `repeat(${rows}, ${rowHeight}px)`;
    grid.style.fontSize = look.points + 'pt';
    for (let i = 0; i < rows * columns && next < texts.length; ++i, ++next) {
      const item = element('li', 'sheet-cell');
      const number = element('span', 'sheet-number', grouped(next + 1) + '.');
      number.style.font = numberFont;
      number.style.width = numberWidth + 'px';
      const text = element('span', 'sheet-text');
      text.append(isolated(texts[next], look.copticText));
      text.style.font = textFont;
      // Stacked, the answer's line always goes under its question.
      text.style.width = stacked ? `calc(100% - ${numberWidth}px)` : textWidth + 'px';
      const answer = element('span', look.lines ? 'sheet-line' : 'sheet-answer');
      if (!look.lines) answer.append(isolated(answers[next], look.copticAnswer));
      answer.style.font = answerFont;
      answer.style.width = answerWidth + 'px';
      if (stacked) answer.style.marginInlineStart = numberWidth + 'px';
      item.append(number, text, answer);
      grid.append(item);
    }
    page.append(head(), grid);
    made.push(page);
  }
  return made;
}

async function show() {
  const sheetOf = drawn();
  const heading = title.value.trim() || sheetOf.title;
  title.placeholder = sheetOf.title;
  const texts = sheetOf.questions.map((q) => q.text), answers = sheetOf.questions.map((q) => q.answer);
  const points = Number(size.value);
  await document.fonts.load(`${points}pt "Zefnaro Coptic"`, 'ⲁ');
  const [w, h] = papers[paper.value];
  // Both lengths a hair short, so that rounding never pushes a page onto two.
  const room = [(w - 2 * margin) * mm - 1, (h - 2 * margin) * mm - 2];
  // Room to write: handwriting is wider than type, so the longest answer half as
  // wide again, and never less than 30 mm.
  const made = pages({ points, numberScale: 0.8, copticText: sheetOf.coptic_questions, copticAnswer: sheetOf.writes,
    boldAnswer: false, answerScale: 1.5, answerLeast: 30 * mm, rowsBeside: 2, rowsStacked: 3, lines: true },
  texts, answers, () => header(heading, sheetOf.instruction), room);
  if (key.checked) {
    const keyPoints = Math.max(10, points * 0.75);
    made.push(...pages({ points: keyPoints, numberScale: 0.9, copticText: sheetOf.coptic_questions,
      copticAnswer: sheetOf.writes, boldAnswer: !sheetOf.writes, answerScale: 1, answerLeast: 0, rowsBeside: 1.5,
      rowsStacked: 2.4, lines: false }, texts, answers, () => header(t('Answers: %1', heading)), room));
  }
  ruler.replaceChildren();
  sheet.className = 'sheet wide ' + paper.value;
  sheet.replaceChildren(...made);
  fit();
  document.title = t('Zefnaro') + ' — ' + heading;
}

// On screen the pages are shown whole, as small as the width needs; printed, at
// their size.
function fit() {
  const page = sheet.firstElementChild;
  if (!page || sheet.clientWidth === 0) return; // not shown
  sheet.style.zoom = '';
  sheet.style.zoom = String(Math.min(1, sheet.clientWidth / page.offsetWidth));
}
addEventListener('resize', fit);

let showing = Promise.resolve();
// The address, and the view's tab, hold the sheet shown: back on the tab, the same sheet.
function remember() {
  history.replaceState(null, '', address());
  viewLinks.worksheet.href = address();
}

function changed() {
  const n = Math.round(Number(count.value));
  count.value = String(Number.isFinite(n) ? Math.max(1, Math.min(200, n)) : 20);
  remember();
  showing = showing.then(show);
}
for (const control of [ask, range, form, size, paper, key]) control.addEventListener('change', changed);
for (const control of [title, count]) control.addEventListener('change', changed);
$('sheet-new').addEventListener('click', () => { seed = newSeed(); changed(); });
$('sheet-print').addEventListener('click', () => showing.then(() => print()));

export function showAddress(hash) {
  say('');
  showReport(false); // the sheet is this view's report
  choose(hash);
  remember();
  showing = showing.then(show);
}
export const focus = () => title.focus();
export const copied = () => null;
// Done once the sheet shown is laid out: for printing, and for tests.
export const ready = () => showing;
