// Coptic dates on arbitrary bytes: the reader never crashes, and a date it reads is a
// day that comes back from the Gregorian calendar unchanged; any three numbers, as
// either calendar's date, convert or give an error, never a wrong day.
#include "zefnaro/date.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

using namespace zefnaro;

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const CopticDateResult read = readCopticDate(text); read.ok()) {
        const GregorianDateResult g = toGregorianDate(read.date);
        check(g.ok() && toCopticDate(g.date).date == read.date);
    } else {
        check(!read.error.message.empty());
    }
    (void)readGregorianDate(text);
    if (size >= 12) {
        int v[3];
        std::memcpy(v, data, sizeof v);
        if (const GregorianDateResult g = toGregorianDate({v[0], v[1], v[2]}); g.ok())
            check(toCopticDate(g.date).date == CopticDate{v[0], v[1], v[2]});
        if (const CopticDateResult c = toCopticDate({v[0], v[1], v[2]}); c.ok())
            check(toGregorianDate(c.date).date == GregorianDate{v[0], v[1], v[2]});
        (void)weekdayName({v[0], v[1], v[2]});
    }
    return 0;
}
