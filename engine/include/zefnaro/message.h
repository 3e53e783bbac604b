// Zefnaro: the messages of the readers and the calendar in any language Zefnaro
// speaks. Each function gives what its namesake does, its error's message in the
// language asked by its code ("en", "ar", "en-XA", "ar-XB"; English for a code
// Zefnaro does not speak): message(readWrittenNumber("xyz", "ar")) is in Arabic.
#pragma once

#include "zefnaro/date.h"
#include "zefnaro/export.h"
#include "zefnaro/read.h"

#include <string_view>

namespace zefnaro {

ZEFNARO_API ReadResult readWrittenNumber(std::string_view text, std::string_view language);
ZEFNARO_API CopticDateResult toCopticDate(GregorianDate date, std::string_view language);
ZEFNARO_API GregorianDateResult toGregorianDate(CopticDate date, std::string_view language);
ZEFNARO_API CopticDateResult readCopticDate(std::string_view text, std::string_view language);
ZEFNARO_API GregorianDateResult readGregorianDate(std::string_view text, std::string_view language);

} // namespace zefnaro
