// Answers collected in one buffer and written in large blocks.
#pragma once

#include <string>
#include <string_view>

namespace zefnaro::cli {

class Output {
public:
    explicit Output(int fd) : fd_(fd) { buffer_.reserve(1 << 17); }
    ~Output() { flush(); }

    std::string& buffer() { return buffer_; }
    // Writes what is buffered; also done by itself when the buffer grows large.
    void flush();
    void flushIfFull() {
        if (buffer_.size() >= (1 << 16)) flush();
    }

private:
    int fd_;
    std::string buffer_;
};

// Why the output could not be written (an errno: a full disk, a closed pipe), or 0:
// the first failure of any Output in this run. A run whose output was lost ends as
// a failure, never as a success.
int outputFailure();

// An input that cannot be answered: a JSON line {"input":…,"error":…} in its place
// among the answers, or for a person at the terminal the message on standard error
// at once, after the answers before it.
void reject(std::string_view input, std::string_view why, bool asJson, Output& out, Output& errors);

} // namespace zefnaro::cli
