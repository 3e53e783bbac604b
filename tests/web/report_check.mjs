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
const { caller, formName } = await import(site + '/calls.js');
const call = caller(z);
const report = (entry, ordinal, feminine) =>
  call('report', { entry, form: formName(ordinal, feminine), writing: 'unicode', language: 'en' });
// What a copy carries: the standalone page and the text.
const copy = (entry, ordinal, feminine, writing = 'unicode') =>
  call('report_copy', { entry, form: formName(ordinal, feminine), writing, language: 'en' });
const read = (text) => call('read', { text, language: 'en' }).number ?? 0;

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
    const { html } = report(String(n), ordinal, feminine);
    const { text: got, page } = copy(String(n), ordinal, feminine);
    if (!page.includes('<!DOCTYPE html>')) fail(`${n}: the copy carries no page`);
    shown += got;
    const numerals = got.split('\n')[19];
    if (read(numerals) !== n) fail(`${numerals} did not read back as ${n}`);
    if (!html.includes('<p class="piece-numerals" lang="cop">')) fail(`${n}: no numerals line`);
  }
  if (shown !== expected) fail(`${flags}: the page's reports differ from the command line's`);
}
const zero = copy('0', 0, 0).text;
if (zero !== '\nThe number 0 (zero) does not exist in Coptic') { failures++; console.log('zero: ' + zero); }
// Each call answers whole, whatever came before it: a day between two reports
// changes neither, and the CS fonts' text is the command line's --font-text.
const before = [report('2005', 1, 1), copy('2005', 1, 1)];
call('gregorian_day', { date: '2026-12-08', writing: 'unicode', language: 'en' });
if (JSON.stringify([report('2005', 1, 1), copy('2005', 1, 1)]) !== JSON.stringify(before)) fail('a report changed after a day');
const fontText = execFileSync(cli, ['--font-text', '--ordinal', '--feminine', '2005'], { encoding: 'utf8' });
if (copy('2005', 1, 1, 'font-text').text !== fontText) fail('the CS font text differs from the command line');
const day = call('read_coptic_day', { text: 'ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅', writing: 'unicode', language: 'en' });
if (day.gregorian !== '2026-12-08' || day.coptic_text !== '29 Hathor 1743 AM' || day.month_days !== 30)
  fail('the day read: ' + JSON.stringify({ ...day, html: undefined, page: undefined }));
const dayText = execFileSync(cli, ['--date', '2026-12-08'], { encoding: 'utf8' });
if (call('day_copy', { year: day.year, month: day.month, day: day.day, writing: 'unicode', language: 'en' }).text + '\n' !== dayText) fail('the day\'s text differs from the command line\'s');
if (call('coptic_day', { year: 1742, month: 13, day: 6, writing: 'unicode', language: 'en' }).error === undefined) fail('6 Pi Kogi Enavot 1742 was a day');
const facts = call('facts');
if (facts.first_day !== '0284-08-29' || facts.last_day !== '10283-11-12' || facts.months.length !== 13)
  fail('facts: ' + JSON.stringify(facts));
// A name that names nothing is refused, never taken as cardinal or English.
for (const [request, why] of [[{ entry: '5', form: 'ordinal', writing: 'unicode', language: 'en' }, 'form'],
  [{ entry: '5', form: 'ordinal-feminine', writing: 'unicode', language: 'fr' }, 'language'],
  [{ entry: '5', form: 'ordinal-feminine', writing: 'latin', language: 'en' }, 'writing'],
  [{ form: 'ordinal-feminine', writing: 'unicode', language: 'en' }, 'entry']]) {
  const answer = call('report', request);
  if (!answer.error?.includes(why) || answer.html !== undefined) fail(`${JSON.stringify(request)}: ${JSON.stringify(answer)}`);
}
console.log(`${numbers.length * 4} reports checked, ${failures} failures`);
process.exit(failures ? 1 : 0);
