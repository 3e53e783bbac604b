// Standard input read in large blocks, line by line, with a bounded line: one
// endless line cannot exhaust memory.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zefnaro::cli {

class InputLines {
public:
    static constexpr std::size_t maxKept = 4096; // no written number needs more

    // `beforeWaiting` runs whenever the next read would have to wait for more
    // input: the moment to hand over the answers so far.
    InputLines(int fd, std::function<void()> beforeWaiting);

    // The next line without its line end (and a CR before it); bytes past maxKept
    // are read and dropped. False at the end of the input.
    bool next(std::string& line);

private:
    bool fill();

    int fd_;
    std::function<void()> beforeWaiting_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0, end_ = 0;
    bool atEnd_ = false;
};

} // namespace zefnaro::cli
