// JSON as Zefnaro writes it: one object a line, its members in the order they are
// written, strings escaped as nlohmann::json escapes them. The one JSON writer of
// the command line, the web page and the tests' expectations.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zefnaro::json {

// A JSON string literal for `text`: control characters escaped, other UTF-8 as it
// stands, invalid UTF-8 replaced.
void appendString(std::string& out, std::string_view text);

// An array of `items`, each written by `append(std::string&, item)`.
template <class Items, class Append> void appendArray(std::string& out, const Items& items, Append&& append) {
    out += '[';
    bool first = true;
    for (const auto& item : items) {
        if (!first) out += ',';
        first = false;
        append(out, item);
    }
    out += ']';
}

// An object written into `out` as its members are given; end() closes it.
class Object {
public:
    explicit Object(std::string& out) : out_(out) {}

    Object& text(std::string_view name, std::string_view value) {
        key(name);
        appendString(out_, value);
        return *this;
    }
    // A text of the engine's own, which holds no quote, backslash or control
    // character and is valid UTF-8 (the tests check every word): written as it is,
    // by `append(std::string&)`, without a copy between.
    template <class Append> Object& ownText(std::string_view name, Append&& append) {
        key(name);
        out_ += '"';
        append(out_);
        out_ += '"';
        return *this;
    }
    Object& number(std::string_view name, std::int64_t value);
    // A length or a scale: ten significant digits, as many as a layout needs; null
    // where it is not finite.
    Object& real(std::string_view name, double value);
    Object& boolean(std::string_view name, bool value) {
        key(name);
        out_ += value ? "true" : "false";
        return *this;
    }
    // A value that `append(std::string&)` writes as JSON (an array, say).
    template <class Append> Object& value(std::string_view name, Append&& append) {
        key(name);
        append(out_);
        return *this;
    }
    // "}" and, for a line, "\n".
    void end(bool line = true) {
        if (first_) out_ += '{';
        out_ += line ? "}\n" : "}";
    }

private:
    // One append of known length a piece: a line holds twenty keys or more.
    [[gnu::always_inline]] void key(std::string_view name) {
        out_.push_back(first_ ? '{' : ',');
        first_ = false;
        out_.push_back('"');
        out_.append(name.data(), name.size());
        out_.append("\":", 2);
    }
    std::string& out_;
    bool first_ = true;
};

} // namespace zefnaro::json
