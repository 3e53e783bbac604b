// The Practice view: questions of a round drawn by the engine from a seed, answers
// checked by the engine's practice rules, a Coptic keypad for the write modes. The
// round, the answer being written and the score are kept in this browser, so a
// reload, a rotation or a double tap loses nothing, until the learner starts afresh.
import { facts, formName } from './engine.js';
import { call } from './full.js';
import { grouped, language, t } from './language.js';
import { keypad } from './keypad.js';
import { $, report, say, showReport } from './page.js';

export const practice = call('practice_facts');
const ask = $('practice-ask'), range = $('practice-range'), forms = $('practice-forms');
const instruction = $('practice-instruction'), question = $('practice-question');
const answer = $('practice-answer'), checkButton = $('practice-check'), verdict = $('practice-verdict');
const score = $('practice-score'), keys = $('keypad');
const stored = 'zefnaro-practice';

// What each mode is called in the lists, here and on worksheets.
export const asks = {
  'numerals': 'Read Coptic numerals', 'coptic': 'Read Coptic words', 'pronunciation': 'Read the pronunciation',
  'write-numerals': 'Write Coptic numerals', 'write-coptic': 'Write Coptic words',
};
for (const name of practice.asks) ask.add(new Option(t(asks[name]), name));
for (const upTo of facts.ranges) range.add(new Option(t('up to %1', grouped(upTo)), String(upTo)));

const newSeed = () => Math.floor(Math.random() * 2 ** 32);
function load() {
  try {
    const s = JSON.parse(localStorage.getItem(stored) ?? 'null');
    if (s && practice.asks.includes(s.ask)) return s;
  } catch { /* nothing kept, or not readable: a new round */ }
  return { ask: 'numerals', upTo: 100, forms: 'mixed', seed: newSeed(), index: 0, right: 0, asked: 0, streak: 0,
    answered: false, answer: '' };
}
const state = load();
function keep() {
  try { localStorage.setItem(stored, JSON.stringify(state)); } catch { /* a private window: not kept */ }
}

// The round as the engine takes it; "page" forms are those the Numbers view shows.
function round() {
  return { ask: state.ask, up_to: state.upTo, seed: state.seed, index: state.index, language,
    forms: state.forms === 'mixed' ? 'mixed' : formName($('ordinal').checked, $('feminine').checked) };
}
const current = () => call('question', round());

// The session's tally as the engine keeps it for a learner, the page holding it
// between calls; its words the engine's.
const tallyOf = () => ({ right: state.right, asked: state.asked, streak: state.streak, answered: state.answered });
function count(answered) {
  Object.assign(state, answered.tally);
  score.textContent = answered.tally_words;
}
const showScore = () => count(call('tally', { tally: tallyOf(), event: '', language }));

// The verdict said, the answer with it, and the report of the number asked below.
function tell(text, q, isRight) {
  verdict.textContent = isRight ? text : (text ? text + ' ' : '') + q.answer_words;
  verdict.classList.toggle('right', isRight);
  report.innerHTML = call('report', { entry: String(q.number), form: formName(q.ordinal, !q.masculine),
    writing: 'unicode', language }).html;
  showReport(true);
  checkButton.textContent = t('Next');
}

const verdictOf = (text) => call('verdict', { ...round(), answer: text, tally: tallyOf() });

function show() {
  const q = current();
  ask.value = state.ask;
  range.value = String(state.upTo);
  forms.value = state.forms;
  instruction.textContent = q.instruction;
  question.textContent = q.text;
  question.classList.toggle('coptic', !q.writes);
  question.setAttribute('aria-label', t('Question') + ': ' + q.text);
  keys.hidden = !q.writes;
  answer.value = state.answer;
  verdict.textContent = '';
  verdict.classList.remove('right');
  showReport(false);
  checkButton.textContent = t('Check');
  if (state.answered) {
    if (state.answer.trim()) { const v = verdictOf(state.answer); tell(v.words, q, v.correct); } else tell('', q, false);
  }
  showScore();
}

// A second tap within a moment of the first is the same tap: it neither skips the
// next question nor checks an answer not yet written.
let last = -Infinity;
const once = (action) => () => {
  const now = performance.now();
  if (now - last < 400) return;
  last = now;
  action();
  keep();
};

function check() {
  if (state.answered) return next();
  const q = current();
  const v = verdictOf(answer.value);
  if (v.no_answer) {
    verdict.textContent = v.words;
    return;
  }
  state.answer = answer.value;
  count(v);
  tell(v.words, q, v.correct);
}
function showAnswer() {
  if (!state.answered) state.answer = ''; // shown, so no longer asked: it counts as not known
  count(call('tally', { tally: tallyOf(), event: 'shown', language }));
  tell('', current(), false);
}
function next() {
  state.index += 1;
  count(call('tally', { tally: tallyOf(), event: 'next', language }));
  state.answer = '';
  show();
  answer.focus();
}
// A new mode, range or form: a new round, the score kept.
function newRound() {
  Object.assign(state, { ask: ask.value, upTo: Number(range.value), forms: forms.value, seed: newSeed(), index: 0,
    answered: false, answer: '' });
  keep();
  show();
}

checkButton.addEventListener('click', once(check));
$('practice-show').addEventListener('click', once(showAnswer));
$('practice-next').addEventListener('click', once(next));
$('practice-restart').addEventListener('click', () => {
  Object.assign(state, { seed: newSeed(), index: 0, right: 0, asked: 0, streak: 0, answered: false, answer: '' });
  keep();
  show();
  answer.focus();
});
for (const list of [ask, range, forms]) list.addEventListener('change', newRound);
answer.addEventListener('keydown', (e) => {
  if (e.key !== 'Enter') return;
  e.preventDefault();
  once(check)();
});
answer.addEventListener('input', () => {
  if (!state.answered) { state.answer = answer.value; keep(); }
});

keypad(keys, answer, () => !state.answered);

export function showAddress() {
  say('');
  show();
}
export const address = () => '#practice';
export const focus = () => answer.focus();
// A copy is of the report shown after an answer, in the question's form.
export function copied(writing) {
  if (report.hidden) return null;
  const q = current();
  return call('report_copy', { entry: String(q.number), form: formName(q.ordinal, !q.masculine), writing,
    language });
}
