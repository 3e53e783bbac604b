// The installed package answers as zefnaro-cli --json does, member for member.
// Usage (in a project that installed it): node npm_check.mjs ZEFNARO_CLI
import { execFileSync, spawnSync } from 'node:child_process';
import { load, ZefnaroError } from 'zefnaro';

const cli = process.argv[2];
const lines = (args, input) => execFileSync(cli, args, { input, encoding: 'utf8' })
  .split('\n').filter(Boolean).map((l) => JSON.parse(l));
let failures = 0;
const same = (got, expected, what) => {
  if (JSON.stringify(got) !== JSON.stringify(expected)) {
    failures += 1;
    console.log(`FAIL ${what}:\n  ${JSON.stringify(got)}\n  ${JSON.stringify(expected)}`);
  }
};

const z = await load();
for (const entry of ['1', '2005', '999999999', 'ⲙⲁϩⲕ̅ⲁ̅ϯ', 'two thousand and five', 'ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ'])
  same(z.write(entry), lines(['--json', entry])[0], `write(${entry})`);
same(z.write(2005, { form: 'ordinal-feminine' }), lines(['--json', '--ordinal', '--feminine', '2005'])[0],
  'write(2005, ordinal-feminine)');
const { input, ...reading } = lines(['--json', 'ⲙⲁϩⲕ̅ⲁ̅ϯ'])[0];
same(z.read('ⲙⲁϩⲕ̅ⲁ̅ϯ'), Object.fromEntries(['number', 'read_as', 'ordinal', 'masculine'].map((k) => [k, reading[k]])),
  'read');
for (const day of ['2026-12-10', '2027-01-07', '0284-08-29'])
  same(z.copticDate(day), lines(['--date', day, '--json'])[0], `copticDate(${day})`);
same(z.copticDate(new Date(2026, 11, 10)), lines(['--date', '2026-12-10', '--json'])[0], 'copticDate(a Date)');
same(z.gregorianDate('1743-04-01'), lines(['--coptic-date', '1743-04-01', '--json'])[0], 'gregorianDate');
same(z.churchYear(1743), lines(['--church-year', '1743', '--json']), 'churchYear(1743)');
const text = 'ⲁⲩⲱ ⲓ̅ⲃ̅ ⲛ̀ⲣⲱⲙⲓ\nⲁϥϭⲓ ⲙ̀ⲡⲓⲍ̅ ⲙ̀ⲙⲁϩⲥⲛⲟⲩϯ ⲫⲣⲉⲅ̅ ⲛ̀ⲟⲩϣⲟ ⲛ̀ⲥ̅ ⲛⲉⲙ ⲝ̅ ⲡⲓⲡⲛ̅ⲁ̅';
same(z.find(text), lines(['--find', '--json'], text), 'find');
// A refusal throws, with the command line's reason.
for (const [call, args] of [[() => z.write('xyz'), ['--json', 'xyz']], [() => z.churchYear(10000), ['--church-year', '10000', '--json']],
  [() => z.copticDate('2026-02-30'), ['--date', '2026-02-30', '--json']]]) {
  let error;
  try { call(); } catch (e) { error = e; }
  const expected = JSON.parse(spawnSync(cli, args, { encoding: 'utf8' }).stdout.split('\n').find(Boolean) ?? '{}');
  same(error instanceof ZefnaroError && { input: error.input, error: error.message }, expected, `refused ${args}`);
}
console.log(failures ? `${failures} failures` : 'npm package: every answer is the command line\'s');
process.exit(failures ? 1 : 0);
