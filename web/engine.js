// The C++ engine, compiled to WebAssembly: each call answers with its whole
// result as one object, and the engine keeps nothing between calls. The number's
// view, which the page shows first, asks the small engine (first.js); the other
// views ask the whole one (full.js), which loads when one of them opens.
import { loadFirst } from './first.js';
export { formName } from './calls.js';

// call('report', { entry: '2005', form: 'ordinal-masculine', writing: 'unicode', language: 'en' }):
// see calls.js. Only the first view's calls: facts, practice_facts, catalogue,
// report, report_copy, read.
export const { call } = await loadFirst();

// What the page needs to know once: the largest number, Random's ranges, the
// calendar's first and last days, the months' names.
export const facts = call('facts');
