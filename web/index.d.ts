// Zefnaro for TypeScript: what load() gives, member for member the JSON lines of
// zefnaro-cli --json.

export type Form = 'cardinal-masculine' | 'cardinal-feminine' | 'ordinal-masculine' | 'ordinal-feminine';
export type Language = 'en' | 'ar' | 'en-XA' | 'ar-XB';
export type ReadAs = 'digits' | 'english' | 'coptic' | 'pronunciation' | 'numerals' | 'arabic'
  | 'pronunciation_arabic';

/** How the engine read a text back. */
export interface Reading {
  number: number;
  read_as: ReadAs;
  ordinal: boolean;
  masculine: boolean;
}

/** A number in every piece of the report (`zefnaro-cli --json 2005`). */
export interface NumberLine extends Reading {
  input: string;
  digits: string;
  english: string;
  arabic: string;
  arabic_digits: string;
  /** The Coptic words in the CS fonts' text. */
  coptic: string;
  pronunciation: string;
  pronunciation_arabic: string;
  /** The numerals in the CS fonts' text. */
  numerals: string;
  coptic_unicode: string;
  numerals_unicode: string;
  /** Each numeral letter with its marks and what it stands for: [["ⲃ̿", 2000], ["ⲉ̅", 5]]. */
  numeral_values: [string, number][];
}

/** A day in both calendars (`zefnaro-cli --date 2026-12-10 --json`). */
export interface DateLine {
  gregorian: string;
  weekday: string;
  weekday_arabic: string;
  coptic_year: number;
  coptic_month: number;
  coptic_day: number;
  month_coptic: string;
  month_font_text: string;
  month_pronunciation: string;
  month_english: string;
  month_arabic: string;
  day_numerals: string;
  year_numerals: string;
  day_coptic: string;
  year_coptic: string;
  day_pronunciation: string;
  year_pronunciation: string;
  /** The ids of the feasts and fasts on the day. */
  observances: string[];
}

/** A feast or fast of a church year (`zefnaro-cli --church-year 1743 --json`). */
export interface Observance {
  id: string;
  name: string;
  kind: 'major_feast' | 'minor_feast' | 'feast' | 'fast' | 'virgin_feast' | 'season';
  first: string;
  last: string;
  coptic_first: string;
  coptic_last: string;
}

/** A number found in running text (`zefnaro-cli --find --json`). */
export interface Found {
  line: number;
  /** In characters as people see them, a letter with its marks one. */
  column: number;
  text: string;
  /** A fraction's is written "1/3". */
  number: number | string;
  ordinal: boolean;
  masculine: boolean;
  kind: 'numeral' | 'words' | 'mixed' | 'fraction';
  /** A fraction's only. */
  denominator?: number;
}

export interface WriteOptions {
  /** The form to write it in; by default the one the input shows. */
  form?: Form;
  /** As zefnaro-cli's --writing: the lines hold both writings, so it chooses nothing here. */
  writing?: 'unicode' | 'font-text';
  /** The language of a refusal's reason. */
  language?: Language;
}

export interface LanguageOption {
  language?: Language;
}

export interface Zefnaro {
  /** A number (1 to 999,999,999) or any written form of one. Throws ZefnaroError. */
  write(number: number | string, options?: WriteOptions): NumberLine;
  /** Any written form back to its number. Throws ZefnaroError. */
  read(text: string, options?: LanguageOption): Reading;
  /** A Gregorian day (YYYY-MM-DD, or a Date) in the Coptic calendar. Throws ZefnaroError. */
  copticDate(day: string | Date, options?: LanguageOption): DateLine;
  /** A Coptic day (1743-03-29, or Kiahk 29 1743 …). Throws ZefnaroError. */
  gregorianDate(copticDay: string, options?: LanguageOption): DateLine;
  /** The feasts and fasts of a Coptic year (AM). Throws ZefnaroError. */
  churchYear(year: number | string, options?: LanguageOption): Observance[];
  /** Every number of a Bohairic text. */
  find(text: string): Found[];
  /** The page's own way in; not for other programs. */
  readonly engine: unknown;
  readonly call: (name: string, members?: Record<string, unknown>) => unknown;
}

export class ZefnaroError extends Error {
  readonly input: string;
}

/** Loads the engine: in Node from this package's folder, in a browser from beside this module. */
export function load(options?: { wasmBinary?: ArrayBuffer | Uint8Array }): Promise<Zefnaro>;
