// The C++ engine, compiled to WebAssembly: each call answers with its whole
// result as one object, and the engine keeps nothing between calls.
// The page loads it through the npm package's module, as other programs do.
import { load } from './index.js';
export { formName } from './calls.js';

const zefnaro = await load();
const engine = zefnaro.engine;

// call('report', { entry: '2005', form: 'ordinal-masculine', writing: 'unicode', language: 'en' }):
// see calls.js.
export const call = zefnaro.call;

// The days of a Coptic month in a year (a number, not an object).
export const monthDays = (year, month) => engine.ccall('zefnaro_month_days', 'number',
  ['number', 'number'], [year, month]);

// What the page needs to know once: the largest number, Random's ranges, the
// calendar's first and last days, the months' names.
export const facts = call('facts');
