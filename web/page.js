// What the views share: the status line, the report, copying, the numeral tips,
// the views' tabs.
import { language, t } from './language.js';

export const $ = (id) => document.getElementById(id);
// The forms only hold controls: nothing is sent anywhere.
for (const form of document.forms) form.addEventListener('submit', (e) => e.preventDefault());
export const report = $('report');
report.lang = language;
const status = $('status'), tip = $('tip'), actions = $('actions');

// The report and its Copy buttons show together: a view with nothing to copy
// offers no copying.
export function showReport(shown) {
  report.hidden = !shown;
  actions.hidden = !shown;
}

export function say(text, isError = false) {
  status.textContent = text;
  status.classList.toggle('error', isError);
}

export function showMessage(text) {
  report.innerHTML = '<p class="piece-blank"></p><p class="piece-message"></p>';
  report.lastChild.textContent = text;
}

// Copy: a report as HTML (fonts, colours) and plain text.
export async function copy({ page, text }, what) {
  try {
    await navigator.clipboard.write([new ClipboardItem({
      'text/html': new Blob([page], { type: 'text/html' }),
      'text/plain': new Blob([text], { type: 'text/plain' }),
    })]);
    say(t('Copied ' + what));
  } catch {
    say(t('The browser did not allow copying'), true);
  }
}

// The views: numbers (#2005/ordinal), days (#date/2026-12-08), the church year
// (#year/1743), practice, worksheets (#worksheet?…) and finding numerals.
export const views = { numbers: $('controls'), date: $('date-controls'), year: $('year-controls'),
  practice: $('practice-controls'), worksheet: $('worksheet-controls'), find: $('find-controls') };
export const viewLinks = { numbers: $('view-numbers'), date: $('view-date'), year: $('view-year'),
  practice: $('view-practice'), worksheet: $('view-worksheet'), find: $('view-find') };
export function setView(name) {
  showReport(true); // the views without one hide it
  document.body.dataset.view = name; // what printing prints
  for (const [view, form] of Object.entries(views)) {
    form.hidden = view !== name;
    if (view === name) viewLinks[view].setAttribute('aria-current', 'page');
    else viewLinks[view].removeAttribute('aria-current');
  }
}
export const shownView = () => Object.keys(views).find((view) => !views[view].hidden) ?? 'numbers';

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
