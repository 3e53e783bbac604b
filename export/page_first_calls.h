// The calls of the page's first view — the number's report, a reading, the
// language's texts and the facts — answered without a JSON parser, so that the
// small engine the page loads first holds only what that view needs.
#pragma once

#include <string>
#include <string_view>

namespace zefnaro::page {

// `call` one of facts, practice_facts, catalogue, report, report_copy, read; `text`
// the entry of a report or the text read; form, writing and language by their
// names on the wire. The answer is the full engine's for the same request, or
// {"error"} naming what is unknown.
void answerFirstCall(std::string& out, std::string_view call, std::string_view text, std::string_view form,
                     std::string_view writing, std::string_view language);

} // namespace zefnaro::page
