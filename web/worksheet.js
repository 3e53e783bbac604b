// The worksheet view (#worksheet?ask=numerals&up-to=1000&…&seed=…): a teacher's
// choices in the address, so a link prints the same sheet; the questions drawn by
// the engine from the seed, as the window draws them; the pages laid out by the
// engine as the window's are, from what the browser measures, on A4 or US Letter,
// and printed by the browser.
import { facts } from './engine.js';
import { call } from './full.js';
import { grouped, language, t } from './language.js';
import { $, say, showReport, viewLinks } from './page.js';
import { asks, practice } from './practice.js';

const mm = 96 / 25.4, pt = 96 / 72; // CSS px
const sheets = practice.worksheet; // sizes, counts and papers: the window's
const papers = Object.fromEntries(sheets.papers.map((p) => [p.name, [p.width_mm, p.height_mm]]));
const forms = { 'mixed': 'Mixed', 'cardinal-masculine': 'Cardinal, masculine', 'cardinal-feminine': 'Cardinal, feminine',
  'ordinal-masculine': 'Ordinal, masculine', 'ordinal-feminine': 'Ordinal, feminine' };
const ranges = facts.ranges;
const sizes = sheets.sizes;

const title = $('sheet-title'), ask = $('sheet-ask'), range = $('sheet-range'), form = $('sheet-forms');
const count = $('sheet-count'), size = $('sheet-size'), paper = $('sheet-paper'), key = $('sheet-key');
const sheet = $('sheet'), ruler = $('sheet-measure');
for (const [name, text] of Object.entries(asks)) ask.add(new Option(t(text), name));
for (const upTo of ranges) range.add(new Option(t('up to %1', grouped(upTo)), String(upTo)));
for (const [name, text] of Object.entries(forms)) form.add(new Option(t(text), name));
for (const points of sizes) size.add(new Option(t('%1 pt', grouped(points)), String(points)));
count.max = String(sheets.largest);

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
  count.value = String(Number.isInteger(n) && n >= 1 && n <= sheets.largest ? n : sheets.count);
  size.value = pick('size', sizes.map(String), String(sheets.size));
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

// The cells of one part (the questions or the key) onto pages, down each column, a
// header on each page: the browser measures, the engine lays out, as for the window.
// Returns the pages.
function pages(part, points, texts, answers, head, [width, height]) {
  const look = (measures) => call('sheet_layout', { part, points, ask: ask.value, measures });
  const { look: set } = look({ number_width: 0, text_width: 0, widest_answer: 0, line_height: 0, width, height,
    header_height: 0, millimetre: mm });
  const numberFont = `${set.points * set.number_scale}pt ${arial}`;
  const textFont = `${set.points}pt ${set.coptic_text ? coptic : arial}`;
  const answerFont = `${set.bold_answer ? 'bold ' : ''}${set.points}pt ${set.coptic_answer ? coptic : arial}`;
  const numberWidth = widest(numberFont, [grouped(texts.length) + '. ']);
  const textWidth = widest(textFont, texts);
  ruler.replaceChildren(head());
  ruler.style.width = width + 'px';
  ruler.style.font = '';
  const top = ruler.getBoundingClientRect().height;
  ruler.style.width = '';
  const layout = look({ number_width: numberWidth, text_width: textWidth, widest_answer: widest(answerFont, answers),
    line_height: set.points * pt * 1.25, // .sheet-page sets line-height 1.25
    width, height, header_height: top, millimetre: mm });
  const { stacked, columns, rows } = layout, rowHeight = layout.row_height, answerWidth = layout.answer_width;
  const made = [];
  for (let next = 0; next < texts.length;) {
    const page = element('div', 'sheet-page');
    Object.assign(page.style, { width: width + 'px', height: height + 'px', padding: sheets.margin_mm + 'mm' });
    const grid = element('ol', 'sheet-grid' + (stacked ? ' stacked' : ''));
    grid.style.columnGap = layout.gap + 'px';
    grid.style.gridTemplateColumns = `repeat(${columns}, 1fr)`;
    grid.style.gridTemplateRows = `repeat(${rows}, ${rowHeight}px)`;
    grid.style.fontSize = set.points + 'pt';
    for (let i = 0; i < rows * columns && next < texts.length; ++i, ++next) {
      const item = element('li', 'sheet-cell');
      const number = element('span', 'sheet-number', grouped(next + 1) + '.');
      number.style.font = numberFont;
      number.style.width = numberWidth + 'px';
      const text = element('span', 'sheet-text');
      text.append(isolated(texts[next], set.coptic_text));
      text.style.font = textFont;
      // Stacked, the answer's line always goes under its question.
      text.style.width = stacked ? `calc(100% - ${numberWidth}px)` : textWidth + 'px';
      if (!stacked) text.style.marginInlineEnd = layout.gap + 'px';
      const answer = element('span', set.lines ? 'sheet-line' : 'sheet-answer');
      if (!set.lines) answer.append(isolated(answers[next], set.coptic_answer));
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
  const margin = sheets.margin_mm;
  const room = [(w - 2 * margin) * mm - 1, (h - 2 * margin) * mm - 2];
  const made = pages('questions', points, texts, answers, () => header(heading, sheetOf.instruction), room);
  if (key.checked) made.push(...pages('key', points, texts, answers, () => header(t('Answers: %1', heading)), room));
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
  count.value = String(Number.isFinite(n) ? Math.max(1, Math.min(sheets.largest, n)) : sheets.count);
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
