// The page's language: ?lang= in the address (any language the engine speaks, the
// pseudo-locales en-XA and ar-XB too), else the one chosen before (kept in this
// browser), else the first of the browser's languages the page offers. Its texts
// are the engine's catalogue, by their English; its direction and digits are the
// language's own.
import { call, facts } from './engine.js';

const asked = new URLSearchParams(location.search).get('lang');
const known = (code) => facts.languages.find((l) => l.code === code);
const offered = facts.languages.filter((l) => l.offered);

function kept() {
  try { return localStorage.getItem('zefnaro-language'); } catch { return null; }
}
function keep(code) {
  try { localStorage.setItem('zefnaro-language', code); } catch { /* a private window: not kept */ }
}

const browsers = (navigator.languages ?? [navigator.language]).map((l) => l.slice(0, 2).toLowerCase());
const chosen = known(asked) ?? known(kept()) ?? offered.find((l) => browsers.includes(l.code)) ?? facts.languages[0];
export const language = chosen.code;
if (known(asked)) keep(asked);
export const rightToLeft = chosen.rtl;
// Whether the language writes numbers in digits of its own (CLDR's numbering system).
export const ownDigits = chosen.digits !== 'latn';

// Numbers as the page's language writes them: 2,005, or in its own digits.
export const grouped = (n) => n.toLocaleString(chosen.locale);

const texts = language === facts.languages[0].code ? null : call('catalogue', { language });

// A text of the page in its language; %1, %2 … filled in order.
export function t(english, ...values) {
  const text = texts?.[english.replace(/%(\d)/g, '{$1}')]?.replace(/\{(\d)\}/g, '%$1') ?? english;
  return values.reduce((out, v, i) => out.replace('%' + (i + 1), v), text);
}

// The document in the language: lang and dir, each marked text and label. A text
// quoted from the user is isolated so that it keeps its own direction.
export const quoted = (text) => '\u2068' + JSON.stringify(text) + '\u2069';

document.documentElement.lang = language;
document.documentElement.dir = rightToLeft ? 'rtl' : 'ltr';
if (texts) {
  document.title = t(document.title);
  for (const element of document.querySelectorAll('[data-text]')) element.textContent = t(element.textContent);
  for (const element of document.querySelectorAll('[aria-label]'))
    element.setAttribute('aria-label', t(element.getAttribute('aria-label')));
  for (const element of document.querySelectorAll('[placeholder]'))
    element.placeholder = t(element.placeholder);
}

// The switch to the other language offered, each by its own name, kept for the next visit.
const other = offered.find((l) => l.code !== language) ?? offered[0];
const change = document.getElementById('language');
change.textContent = other.name;
change.lang = other.code;
change.dir = other.rtl ? 'rtl' : 'ltr';
change.href = '?lang=' + other.code;
change.addEventListener('click', (e) => {
  e.preventDefault();
  keep(other.code);
  location.assign('?lang=' + other.code + location.hash);
});
