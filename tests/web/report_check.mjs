// The site's engine in node: for numbers of every size in the four forms, the
// report the page shows is the command line's text report, and each Unicode
// numeral reads back. Usage: node report_check.mjs SITE_DIR ZEFNARO_CLI
import { execFileSync } from 'child_process';
import { readFileSync } from 'fs';
import { createRequire } from 'module';

const [site, cli] = process.argv.slice(2);
globalThis.__dirname = site; // emscripten 3.1.6's ES module still asks for these in node
globalThis.require = createRequire(import.meta.url);
const { default: createZefnaro } = await import(site + '/zefnaro.mjs');
const z = await createZefnaro({ wasmBinary: readFileSync(site + '/zefnaro.wasm') });
const report = z.cwrap('zefnaro_report', 'string', ['string', 'number', 'number']);
const text = z.cwrap('zefnaro_text', 'string', []);
const read = z.cwrap('zefnaro_read', 'number', ['string']);

const numbers = [];
for (let n = 1; n <= 1000000000; n = n * 7 + 3) numbers.push(n % 1000000000 || 1);
numbers.push(999999999, 1000, 1000000, 2005, 10, 11, 20, 21, 100, 101);
let failures = 0;
const fail = (message) => { if (failures++ < 5) console.log(message); };
for (const [flags, ordinal, feminine] of [[[], 0, 0], [['--ordinal'], 1, 0], [['--feminine'], 0, 1],
                                           [['--ordinal', '--feminine'], 1, 1]]) {
  // The command line writes each report's plain text one after another.
  const expected = execFileSync(cli, [...flags, ...numbers.map(String)], { encoding: 'utf8' });
  let shown = '';
  for (const n of numbers) {
    const html = report(String(n), ordinal, feminine);
    const got = text();
    shown += got;
    const numerals = got.split('\n')[19];
    if (read(numerals) !== n) fail(`${numerals} did not read back as ${n}`);
    if (!html.includes('<p class="piece-numerals" lang="cop">')) fail(`${n}: no numerals line`);
  }
  if (shown !== expected) fail(`${flags}: the page's reports differ from the command line's`);
}
report('0', 0, 0);
if (text() !== '\nThe number 0 (zero) does not exist in Coptic') { failures++; console.log('zero: ' + text()); }
console.log(`${numbers.length * 4} reports checked, ${failures} failures`);
process.exit(failures ? 1 : 0);
