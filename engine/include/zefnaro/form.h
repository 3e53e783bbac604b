// Zefnaro: which number, in which form, written how. One vocabulary for writing a
// number and for what a reading found.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zefnaro {

// The largest number Zefnaro writes; the smallest is 1 (Coptic has no zero).
inline constexpr std::uint32_t largestNumber = 999'999'999;
// The same as people write it, for messages.
inline constexpr std::string_view largestNumberText = "999,999,999";

enum class Kind { cardinal, ordinal };
enum class Gender { masculine, feminine };

// Cardinal or ordinal, masculine or feminine: Form{Kind::ordinal, Gender::feminine}.
struct Form {
    Kind kind = Kind::cardinal;
    Gender gender = Gender::masculine;
    constexpr bool ordinal() const { return kind == Kind::ordinal; }
    constexpr bool masculine() const { return gender == Gender::masculine; }
    constexpr bool feminine() const { return gender == Gender::feminine; }
    // Spelled out rather than defaulted: these headers ask only for C++17.
    friend constexpr bool operator==(Form a, Form b) { return a.kind == b.kind && a.gender == b.gender; }
    friend constexpr bool operator!=(Form a, Form b) { return !(a == b); }
};

// Every form, with its name on every wire (JSON requests and answers, Python,
// worksheet links): "cardinal-masculine", "cardinal-feminine", "ordinal-masculine",
// "ordinal-feminine".
inline constexpr std::array<Form, 4> allForms{Form{Kind::cardinal, Gender::masculine},
                                              Form{Kind::cardinal, Gender::feminine},
                                              Form{Kind::ordinal, Gender::masculine},
                                              Form{Kind::ordinal, Gender::feminine}};
inline constexpr std::string_view formCode(Form form) {
    constexpr std::array<std::string_view, 4> codes{"cardinal-masculine", "cardinal-feminine", "ordinal-masculine",
                                                    "ordinal-feminine"};
    return codes[(form.ordinal() ? 2u : 0u) + (form.feminine() ? 1u : 0u)];
}
// The form of a name; none for a name that is not one (never silently cardinal).
inline constexpr std::optional<Form> formFromCode(std::string_view code) {
    for (const Form form : allForms)
        if (formCode(form) == code) return form;
    return std::nullopt;
}

// How Coptic is written: as Unicode Coptic, as Coptic-font text (ASCII and Latin-1
// letters that the CS Coptic fonts draw as Coptic), or, for words, as their
// pronunciation in Latin letters.
enum class Writing { fontText, unicode, pronunciation };

} // namespace zefnaro
