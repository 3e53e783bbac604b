#include "cli/output.h"

#include "export/json.h"
#include "export/json_lines.h"

#include <cerrno>
#include <unistd.h>

namespace zefnaro::cli {

namespace {

int& failure() {
    static int error = 0;
    return error;
}

} // namespace

int outputFailure() {
    return failure();
}

void Output::flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) { // nothing more can be said there: the run will say so as it ends
            if (failure() == 0) failure() = n < 0 ? errno : EIO;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    buffer_.clear();
}

void reject(std::string_view input, std::string_view why, bool asJson, Output& out, Output& errors) {
    if (asJson) {
        json::appendRejectLine(out.buffer(), input, why);
        out.flushIfFull();
        return;
    }
    out.flush();
    std::string& message = errors.buffer();
    message += "zefnaro-cli: ";
    json::appendString(message, input); // quoted, whatever it holds
    message += ": ";
    message += why;
    message += '\n';
    errors.flush();
}

} // namespace zefnaro::cli
