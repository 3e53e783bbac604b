// A program a web developer writes with the package, type-checked with --strict.
import { load, ZefnaroError, type DateLine, type Found, type NumberLine, type Observance } from 'zefnaro';

const z = await load();
const line: NumberLine = z.write(2005, { form: 'ordinal-feminine', writing: 'unicode', language: 'ar' });
const letters: [string, number][] = line.numeral_values;
const day: DateLine = z.copticDate(new Date());
const year: Observance[] = z.churchYear(1743);
const found: Found[] = z.find('ⲓ̅ⲃ̅');
const kind: 'numeral' | 'words' | 'mixed' | 'fraction' = found[0].kind;
const value: number | string = found[0].number;
try {
  z.read('xyz');
} catch (e) {
  if (e instanceof ZefnaroError) console.log(e.input, e.message);
}
// @ts-expect-error: there is no such form
z.write(5, { form: 'plural' });
// @ts-expect-error: a number's members are typed
const wrong: string = line.number;
console.log(letters, day.day_numerals, year.length, kind, value, wrong);
