// The report as HTML: one writer for the saved page, the clipboard and the command
// line's --html.
#pragma once

#include "export/looks.h"
#include "report/report.h"

#include <string>
#include <string_view>
#include <vector>

namespace zefnaro {

// "Zefnaro report: 2,005", or "Zefnaro report" for a message, in the report's language.
std::string reportTitle(const Report& report);


// A standalone HTML5 page: lang, UTF-8, a title, one CSS class per look, font
// families with their fallbacks. Lines in Coptic letters carry lang="cop"; an
// Arabic report is dir="rtl", its Coptic lines dir="ltr". The
// fonts given that the report uses travel inside the page.
std::string reportPage(const Report& report, std::string_view title,
                       const std::vector<CarriedFont>& fonts = {});

// The report's lines for a live page: one <p> per line, classed by its piece
// ("piece-digits", "piece-coptic", ...; blank lines empty), Coptic lines with
// lang="cop", and each numeral letter a focusable <span class="letter"> whose
// title says what it stands for ("ⲫ̿̅ = 500 × 1,000,000"). The page's style
// sheet gives the pieces their looks.
std::string reportLines(const Report& report);

} // namespace zefnaro
