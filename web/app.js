// Zefnaro on the web: the address says which view shows what; each view drives
// the one report, composed and rendered by the C++ engine compiled to WebAssembly.

// A page that came with its report (index.html holds the first one) shows it
// before anything else: the engine is fetched once that is painted. Otherwise the
// page fetched the engine at once, as it can show nothing without it.
const engineFiles = document.getElementById('engine-files');
if (document.getElementById('report').firstChild) {
  await new Promise((painted) => {
    const after = setTimeout(painted, 200); // no frames in a hidden tab
    requestAnimationFrame(() => { clearTimeout(after); setTimeout(painted); });
  });
  document.head.append(engineFiles.content.cloneNode(true));
}
const numbers = await import('./numbers.js');
const { $, copy, say, setView, shownView, viewLinks } = await import('./page.js');

// The number's view comes with the page; the others, each with the whole engine,
// when first opened, or once the first report is drawn and the page is idle.
const loaders = {
  date: () => import('./date.js'), year: () => import('./year.js'), practice: () => import('./practice.js'),
  worksheet: () => import('./worksheet.js'), find: () => import('./find.js'),
};
const view = { numbers };
const loaded = async (name) => view[name] ?? (view[name] = await loaders[name]());

let asked = 0;
async function fromAddress() {
  const hash = decodeURIComponent(location.hash.slice(1));
  const name = hash === 'date' || hash.startsWith('date/') ? 'date'
    : hash === 'year' || hash.startsWith('year/') ? 'year'
      : hash === 'worksheet' || hash.startsWith('worksheet?') ? 'worksheet'
        : hash === 'practice' || hash === 'find' ? hash : 'numbers';
  const ask = ++asked;
  await loaded(name);
  if (ask !== asked) return; // another address was asked for meanwhile
  setView(name);
  if (name === 'numbers') say('');
  // A worksheet's choices are a query, decoded by their own rules (a title may hold & or =).
  view[name].showAddress(name === 'worksheet' ? location.hash.slice(1) : hash);
  viewLinks.numbers.href = numbers.address();
}

// Copy: the report shown as HTML (fonts, colours) and plain text; or in the CS
// fonts' text, for documents set in them.
const copyShown = (writing, what) => {
  const shown = view[shownView()].copied(writing);
  if (shown) copy(shown, what);
};
$('copy').addEventListener('click', () => copyShown('unicode', 'the report'));
$('copy-font-text').addEventListener('click', () => copyShown('font-text', 'the report in CS font text'));
document.addEventListener('keydown', (e) => {
  const field = document.activeElement;
  const nothingSelected = (getSelection()?.toString() ?? '') === '' &&
    (field?.selectionStart ?? 0) === (field?.selectionEnd ?? 0);
  if ((e.ctrlKey || e.metaKey) && e.key === 'c' && nothingSelected) {
    e.preventDefault();
    copyShown('unicode', 'the report');
  }
});

addEventListener('popstate', fromAddress);
addEventListener('hashchange', fromAddress); // a view's link followed
if (location.hash) await fromAddress(); else { setView('numbers'); numbers.showAddress(''); }
performance.mark('first-report'); // how long a cold load takes to show one
view[shownView()].focus();
// The other views a while after the first report, once the page is idle, so that
// nothing they fetch competes with what the first view shows.
const idle = globalThis.requestIdleCallback ?? ((f) => f());
setTimeout(() => idle(() => Object.keys(loaders).forEach(loaded)), 3000);

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
