// Writes the site's index.html as a first visit can paint it from its bytes
// alone: the style sheet in it, and the number's report already in it, as the
// engine writes it for the box's first number, before any script or the engine
// has arrived. A small script right after
// the report takes it away again before anything is painted wherever the page
// would show something else (another number or view in the address, another
// language), and fetches at once the engine the page then waits for (app.js
// fetches it after the first paint otherwise). The Content-Security-Policy allows
// that one script by its hash.
// Usage: node web/write_index.mjs SOURCE_HTML STYLE_CSS SITE_DIR OUTPUT_HTML
import { createHash } from 'crypto';
import { readFileSync, writeFileSync } from 'fs';
import { createRequire } from 'module';
import { resolve } from 'path';

const [source, style, siteDir, output] = process.argv.slice(2);
const site = resolve(siteDir);
globalThis.__dirname = site; // emscripten 3.1.6's ES module still asks for these in node
globalThis.require = createRequire(import.meta.url);
const { default: createFirst } = await import(site + '/first.mjs');
const { firstCaller } = await import(site + '/calls.js');
const call = firstCaller(await createFirst({ wasmBinary: readFileSync(site + '/first.wasm') }));

let html = readFileSync(source, 'utf8');
const fail = (why) => { console.error('write_index: ' + why); process.exit(1); };
const entry = /<input id="number"[^>]* value="([0-9]+)"/.exec(html)?.[1] ?? fail('no number box with a value');
const { languages } = call('facts');
const language = languages[0].code; // the page's texts as written in index.html
const report = call('report', { entry, form: 'cardinal-masculine', writing: 'unicode', language });
if (report.error) fail(report.error);

// The same choice of language as language.js makes, from the same lists.
const known = languages.map((l) => l.code), offered = languages.filter((l) => l.offered).map((l) => l.code);
const check = `(() => {
const known = ${JSON.stringify(known)}, offered = ${JSON.stringify(offered)};
const asked = new URLSearchParams(location.search).get('lang');
let kept = null;
try { kept = localStorage.getItem('zefnaro-language'); } catch { /* a private window */ }
const browsers = (navigator.languages ?? [navigator.language]).map((l) => l.slice(0, 2).toLowerCase());
const language = [asked, kept].find((c) => known.includes(c)) ?? offered.find((c) => browsers.includes(c)) ?? known[0];
if (language !== ${JSON.stringify(language)} || !['', '#${entry}'].includes(location.hash)) {
  document.getElementById('report').replaceChildren();
  document.head.append(document.getElementById('engine-files').content.cloneNode(true));
}
})();`;
const allowed = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

const section = /(<section id="report"[^>]*>)(<\/section>)/;
if (!section.test(html)) fail('no empty report section');
html = html.replace(section, (_, open, close) => `${open}${report.html}${close}\n<script>${check}</script>`);
if (!html.includes("script-src 'self'")) fail('no script-src to allow the check by');
html = html.replace("script-src 'self'", `script-src 'self' ${allowed(check)}`);

// The style sheet in the page: one request fewer before anything is painted.
const css = readFileSync(style, 'utf8');
const sheet = '<link rel="stylesheet" href="style.css">';
if (!html.includes(sheet) || !html.includes("style-src 'self'")) fail('no style sheet to put in');
html = html.replace(sheet, () => `<style>${css}</style>`).replace("style-src 'self'", `style-src 'self' ${allowed(css)}`);
writeFileSync(output, html);
