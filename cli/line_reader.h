// Reads lines with a bounded buffer, so that one endless line cannot exhaust memory.
#pragma once

#include <cstdio>
#include <string>

namespace zefnaro::cli {

class LineReader {
public:
    static constexpr std::size_t maxKept = 4096; // no number needs more

    explicit LineReader(std::FILE* in) : in_(in) {}

    // The next line without its line end (and a CR before it); bytes past maxKept
    // are read and dropped. False at the end of the input.
    bool next(std::string& line);

private:
    std::FILE* in_;
};

} // namespace zefnaro::cli
