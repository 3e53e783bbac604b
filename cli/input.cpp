#include "cli/input.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace zefnaro::cli {

InputLines::InputLines(int fd, std::function<void()> beforeWaiting)
    : fd_(fd), beforeWaiting_(std::move(beforeWaiting)), buffer_(1 << 16) {}

bool InputLines::fill() {
    if (atEnd_) return false;
    // Nothing is buffered: if the input has nothing ready either, the read would
    // wait, so whoever waits on our answers gets them first.
    pollfd ready{fd_, POLLIN, 0};
    if (::poll(&ready, 1, 0) == 0 && beforeWaiting_) beforeWaiting_();
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
        if (n > 0) {
            begin_ = 0;
            end_ = static_cast<std::size_t>(n);
            return true;
        }
        if (n < 0 && errno == EINTR) continue;
        atEnd_ = true; // the end, or an input that cannot be read
        return false;
    }
}

bool InputLines::next(std::string& line) {
    line.clear();
    bool any = false;
    for (;;) {
        if (begin_ == end_ && !fill()) break;
        any = true;
        const char* start = buffer_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const void* newline = std::memchr(start, '\n', available);
        const std::size_t take =
            newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - start)
                    : available;
        if (line.size() < maxKept) line.append(start, std::min(take, maxKept - line.size()));
        begin_ += take;
        if (newline) {
            ++begin_;
            break;
        }
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

} // namespace zefnaro::cli
