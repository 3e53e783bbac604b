// libzefnaro: whole numbers from 1 to 999,999,999 in Bohairic Coptic.
//
//   writeNumber        every piece of a number's report, Coptic in both writings
//                      (zefnaro/write.h)
//   writeArabic        the number in Arabic words and Arabic-Indic digits
//                      (zefnaro/arabic.h)
//   readWrittenNumber  the number any written form stands for: digits, English,
//                      Coptic words, pronunciation, numerals, Arabic words
//                      (zefnaro/read.h)
//   findNumerals       the marked Coptic numerals in running text, with their
//                      line and column (zefnaro/find.h)
//   toCopticDate       a Gregorian day in the Coptic calendar and back, month
//   readCopticDate     names, Coptic dates read back (zefnaro/date.h)
//   churchYear         Easter, the feasts and fasts of a year and of a day
//                      (zefnaro/church.h)
//
// Everything is in namespace zefnaro, takes and gives UTF-8, and never throws:
// what cannot be written or read gives an error value (a code, for a reading also
// the character and a message). ZEFNARO_VERSION_MAJOR/MINOR/PATCH give the headers'
// version, version() the library's.
// The headers need C++17; link with -lzefnaro (pkg-config zefnaro) or
// Zefnaro::zefnaro (find_package(Zefnaro)). The library's SONAME, libzefnaro.so.2,
// changes with any change to these headers that a program built against them
// would notice.
//
//   #include <zefnaro/zefnaro.h>
//   #include <iostream>
//   int main() {
//       using namespace zefnaro;
//       const Pieces p = writeNumber(2005, {Kind::ordinal, Gender::masculine}).pieces;
//       std::cout << p.coptic << " = " << p.numerals << '\n'; // ⲙⲁϩ ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ = ⲙⲁϩ ⲃ̿ⲉ̅
//       const ReadResult r = readWrittenNumber("ⲁ̿̅ⲃ̿ⲉ̅");
//       std::cout << (r.ok() ? std::to_string(r.reading.number) : r.error.message) << '\n'; // 1002005
//       for (const FoundNumeral& f : findNumerals("ⲁⲩⲱ ⲓ̅ⲃ̅ ⲛ̀ⲣⲱⲙⲓ"))
//           std::cout << f.line << ':' << f.column << ' ' << f.text << '\n'; // 1:5 ⲓ̅ⲃ̅
//   }
#pragma once

#include "zefnaro/arabic.h"
#include "zefnaro/church.h"
#include "zefnaro/date.h"
#include "zefnaro/find.h"
#include "zefnaro/form.h"
#include "zefnaro/message.h"
#include "zefnaro/read.h"
#include "zefnaro/version.h"
#include "zefnaro/write.h"
