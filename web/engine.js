// The C++ engine, compiled to WebAssembly: each call answers with its whole
// result as one object, and the engine keeps nothing between calls.
import { caller } from './calls.js';
export { formName } from './calls.js';
import createZefnaro from './zefnaro.mjs';

const engine = await createZefnaro();

// call('report', { entry: '2005', form: 'ordinal-masculine', writing: 'unicode', language: 'en' }):
// see calls.js.
export const call = caller(engine);

// The days of a Coptic month in a year (a number, not an object).
export const monthDays = (year, month) => engine.ccall('zefnaro_month_days', 'number',
  ['number', 'number'], [year, month]);

// What the page needs to know once: the largest number, Random's ranges, the
// calendar's first and last days, the months' names.
export const facts = call('facts');
