// The web page's one way into the engine: a request as one JSON object,
// {"call": "report", "entry": "2005", "form": "ordinal-masculine", …}, answered as
// one JSON object. Here, not in the WebAssembly binding, so that the page's wire is
// tested and timed natively.
#pragma once

#include <string>
#include <string_view>

namespace zefnaro::page {

// Every call and its members (names as on every other wire):
//   facts, practice_facts                       —
//   catalogue                                   language
//   report, report_copy                         entry, form, writing, language
//   read                                        text, language
//   coptic_day, day_copy                        year, month, day, writing, language
//   gregorian_day                               date (YYYY-MM-DD), writing, language
//   read_coptic_day                             text, writing, language
//   church_year                                 year (a text in any writing), language
//   question                                    ask, up_to, forms, seed, index, language
//   verdict                                     as question, answer, tally
//   tally                                       tally, event ("", "shown", "next"), language
//   worksheet                                   ask, up_to, forms, seed, count, language
// form: "cardinal-masculine" … "ordinal-feminine"; forms: one of those or "mixed";
// writing: "unicode" or "font-text"; language: a language's code; tally:
// {"right","asked","streak","answered"}. A request that is not such an object, an
// unknown call, or a member missing, of the wrong type or with a value that names
// nothing is answered {"error": why} — never a default in its place.
void answerCall(std::string& out, std::string_view request);

} // namespace zefnaro::page
