// The date view: a Gregorian day, its Coptic date in fields, or a Coptic date
// typed in any writing, each shown as the engine's report of the day.
import { facts } from './engine.js';
import { call, monthDays } from './full.js';
import { grouped, language, quoted, t } from './language.js';
import { $, report, say, showMessage } from './page.js';

const gregorian = $('gregorian'), copticDay = $('coptic-day'), copticMonth = $('coptic-month');
const copticYear = $('coptic-year'), copticText = $('coptic-text');
let shown = null; // the engine's answer for the day the report shows

gregorian.min = facts.first_day;
gregorian.max = facts.last_day;
copticYear.max = String(facts.largest_year);
facts.months.forEach((m, i) => copticMonth.add(new Option(`${grouped(i + 1)} ${t(m.english)} · ${m.coptic}`,
  String(i + 1))));

function today() {
  const d = new Date();
  const two = (n) => String(n).padStart(2, '0');
  return `${String(d.getFullYear()).padStart(4, '0')}-${two(d.getMonth() + 1)}-${two(d.getDate())}`;
}

// Shows the engine's report of a day and sets both sides' fields to it; an answer
// that is no day is said, and false returned.
function showDay(day, { remember = true } = {}) {
  if (day.error !== undefined) {
    say(day.error, true);
    return false;
  }
  shown = day;
  report.innerHTML = day.html;
  copticYear.value = String(day.year);
  copticMonth.value = String(day.month);
  copticDay.max = String(day.month_days);
  copticDay.value = String(day.day);
  gregorian.value = day.gregorian;
  const where = '#date/' + day.gregorian;
  if (remember && location.hash !== where) history.pushState({}, '', where);
  document.title = t('Zefnaro') + ' — ' + day.gregorian;
  return true;
}

const ofGregorian = (iso) => call('gregorian_day', { date: iso, writing: 'unicode', language });

// Shows the day an address such as date/2026-12-08 names; date alone is today.
export function showAddress(hash) {
  say('');
  const day = ofGregorian(hash.slice(5) || today());
  if (!showDay(day, { remember: false })) showMessage(day.error);
}

// The day shown, as copies carry it: in Unicode, or in the CS fonts' text.
export const copied = (writing) => shown && call('day_copy', { year: shown.year, month: shown.month, day: shown.day, writing, language });
export const focus = () => gregorian.focus();

gregorian.addEventListener('change', () => {
  if (gregorian.value) { say(''); showDay(ofGregorian(gregorian.value)); }
});
$('today').addEventListener('click', () => { say(''); showDay(ofGregorian(today())); });
// A day past the month's end (31 in a month of 30, 6 Pi Kogi Enavot in a common
// year) is brought back to its last day, as the window's fields do.
for (const field of [copticDay, copticMonth, copticYear]) {
  field.addEventListener('change', () => {
    const year = Number(copticYear.value), month = Number(copticMonth.value);
    const day = Math.min(Number(copticDay.value), monthDays(year, month));
    if (showDay(call('coptic_day', { year, month, day, writing: 'unicode', language }))) say('');
  });
}
copticText.addEventListener('keydown', (e) => {
  if (e.key !== 'Enter') return;
  e.preventDefault();
  const day = call('read_coptic_day', { text: copticText.value, writing: 'unicode', language });
  if (showDay(day)) say(t('Read %1 as %2', quoted(copticText.value.trim()), day.coptic_text));
});
