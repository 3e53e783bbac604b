// Text gathered on the stack and appended to a string in one go: a number's words
// are a handful of small pieces, and each append to a string costs more than
// copying the piece itself.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

namespace zefnaro {

class PieceBuffer {
public:
    explicit PieceBuffer(std::string& out) : out_(out) {}
    ~PieceBuffer() { flush(); }
    PieceBuffer(const PieceBuffer&) = delete;
    PieceBuffer& operator=(const PieceBuffer&) = delete;

    PieceBuffer& operator+=(std::string_view piece) {
        if (size_ + piece.size() > sizeof data_) {
            flush();
            if (piece.size() > sizeof data_) {
                out_.append(piece);
                return *this;
            }
        }
        std::memcpy(data_ + size_, piece.data(), piece.size());
        size_ += piece.size();
        return *this;
    }
    PieceBuffer& operator+=(char c) { return *this += std::string_view(&c, 1); }

    void flush() {
        out_.append(data_, size_);
        size_ = 0;
    }

private:
    std::string& out_;
    char data_[512];
    std::size_t size_ = 0;
};

} // namespace zefnaro
