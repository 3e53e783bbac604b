// The whole engine, for the views beyond the number's (the calendar, the church
// year, practice, worksheets, the finder): loaded through the npm package's
// module, as other programs load it, when one of those views first opens or once
// the first report is drawn.
import { load } from './index.js';

const zefnaro = await load();

// Every call of calls.js.
export const call = zefnaro.call;

// The days of a Coptic month in a year (a number, not an object).
export const monthDays = (year, month) => zefnaro.engine.ccall('zefnaro_month_days', 'number',
  ['number', 'number'], [year, month]);
