// Zefnaro for JavaScript: the engine as WebAssembly, in Node (the .wasm read from
// this folder), in browsers and in bundlers (fetched beside this module). Each
// function answers with the object zefnaro-cli --json writes, member for member.
//
//   import { load } from 'zefnaro';
//   const z = await load();
//   z.write(2005).numerals_unicode          // 'ⲃ̿ⲉ̅'
//
// The page itself loads its engine here.
import createZefnaro from './zefnaro.mjs';
import { caller, finder } from './calls.js';

// An input the engine refuses, with the reader's reason as its message.
export class ZefnaroError extends Error {
  constructor(input, message) {
    super(message);
    this.name = 'ZefnaroError';
    this.input = input;
  }
}

const inNode = typeof process === 'object' && typeof process.versions?.node === 'string';

// In Node the module's runtime still asks for require and __dirname, and the .wasm
// is a file beside this one rather than an address to fetch.
async function nodeOptions(options) {
  const [{ readFile }, { createRequire }, { fileURLToPath }] = await Promise.all(
    [import('node:fs/promises'), import('node:module'), import('node:url')]);
  globalThis.require ??= createRequire(import.meta.url);
  globalThis.__dirname ??= fileURLToPath(new URL('.', import.meta.url));
  return { ...options, wasmBinary: await readFile(new URL('./zefnaro.wasm', import.meta.url)) };
}

const isoDay = (day) => day instanceof Date
  ? [day.getFullYear(), day.getMonth() + 1, day.getDate()].map((n, i) => String(n).padStart(i ? 2 : 4, '0')).join('-')
  : String(day);

export async function load(options = {}) {
  const engine = await createZefnaro(inNode && !options.wasmBinary ? await nodeOptions(options) : options);
  const call = caller(engine);
  const find = finder(engine);
  const lines = (of, input, more) => call('lines', { of, input: String(input), language: 'en', ...more });
  const refused = (answer, input) => {
    if ('error' in answer) throw new ZefnaroError(String(input), answer.error);
    return answer;
  };
  const one = (of, input, more) => {
    const answer = refused(lines(of, input, more), input);
    return refused(answer.lines[0], input);
  };
  return {
    write: (number, { form, writing = 'unicode', language = 'en' } = {}) => {
      if (writing !== 'unicode' && writing !== 'font-text') throw new RangeError(`no writing is named "${writing}"`);
      return one('number', number, form === undefined ? { language } : { form, language });
    },
    read: (text, { language = 'en' } = {}) => refused(call('read', { text: String(text), language }), text),
    copticDate: (day, { language = 'en' } = {}) => one('date', isoDay(day), { language }),
    gregorianDate: (copticDay, { language = 'en' } = {}) => one('coptic_date', String(copticDay), { language }),
    churchYear: (year, { language = 'en' } = {}) => {
      const answer = refused(lines('church_year', year, { language }), year);
      return answer.lines.map((line) => refused(line, year));
    },
    find: (text) => find(String(text)),
    // The page's own way in: the engine and its calls (see calls.js).
    engine,
    call,
  };
}
