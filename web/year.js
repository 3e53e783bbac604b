// The church year view (#year/1743): a Coptic year's feasts and fasts from the
// engine, each a link to its day, and the year as an iCalendar file to download.
import { call } from './full.js';
import { language, t } from './language.js';
import { $, say, showReport } from './page.js';

const yearBox = $('year-number'), list = $('year-list'), download = $('year-ics');
let shown = null;

const thisYear = () => call('gregorian_day', { date: new Date().toISOString().slice(0, 10), writing: 'unicode', language }).year;

function show(text, { remember = true } = {}) {
  const year = call('church_year', { year: text, language });
  if (year.error !== undefined) {
    say(year.error, true);
    return;
  }
  say('');
  shown = year;
  yearBox.value = String(year.year);
  list.replaceChildren();
  for (const o of year.observances) {
    const row = list.insertRow();
    const link = document.createElement('a');
    link.href = '#date/' + o.first;
    link.textContent = o.name;
    row.insertCell().append(link);
    row.insertCell().textContent = o.first === o.last ? o.first : o.first + ' – ' + o.last;
    row.insertCell().textContent = o.coptic_text;
  }
  // The file is made here, in the page: nothing is fetched. A year whose days reach
  // 10000 AD has none: calendar files write four-digit years.
  download.hidden = !year.ics;
  download.href = 'data:text/calendar;charset=utf-8,' + encodeURIComponent(year.ics);
  download.download = t('Coptic church year %1.ics', year.year);
  const where = '#year/' + year.year;
  if (remember && location.hash !== where) history.pushState({}, '', where);
  document.title = t('Zefnaro') + ' — ' + year.year;
}

export function showAddress(hash) {
  showReport(false); // the list is this view's report
  show(hash.slice(5) || String(thisYear()), { remember: false });
}
export const address = () => '#year/' + (shown?.year ?? '');
export const focus = () => yearBox.focus();
export const copied = () => null;

yearBox.addEventListener('change', () => show(yearBox.value));
yearBox.addEventListener('keydown', (e) => {
  if (e.key !== 'Enter') return;
  e.preventDefault();
  show(yearBox.value);
});
