// Runs a program with pipes on all three standard streams, for tests that talk to
// the command line as a script would.
#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

class ChildProcess {
public:
    explicit ChildProcess(std::vector<std::string> args) {
        int in[2], out[2], err[2];
        if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return;
        signal(SIGPIPE, SIG_IGN);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(in[0], 0);
            dup2(out[1], 1);
            dup2(err[1], 2);
            for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
                close(fd);
            std::vector<char*> argv;
            for (auto& a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(in[0]);
        close(out[1]);
        close(err[1]);
        in_ = in[1];
        out_ = out[0];
        err_ = err[0];
    }
    ~ChildProcess() {
        closeInput();
        if (pid_ > 0 && !waited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        for (int fd : {out_, err_})
            if (fd >= 0) close(fd);
    }

    void write(const std::string& s) {
        for (std::size_t done = 0; done < s.size();) {
            const ssize_t n = ::write(in_, s.data() + done, s.size() - done);
            if (n <= 0) return;
            done += static_cast<std::size_t>(n);
        }
    }
    void closeInput() {
        if (in_ >= 0) close(in_);
        in_ = -1;
    }

    // Reads standard output until it holds `needle` or the time is up.
    bool readUntil(const std::string& needle, std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (out.find(needle) == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                end - std::chrono::steady_clock::now());
            if (left.count() <= 0 || !pump(static_cast<int>(left.count()))) return false;
        }
        return true;
    }

    // Closes the input, reads everything and returns the exit status.
    int finish() {
        closeInput();
        while (pump(10000)) {
        }
        int status = 0;
        waitpid(pid_, &status, 0);
        waited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string out, err;

private:
    bool pump(int timeoutMs) {
        pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
        const int nfds = (out_ >= 0 ? 1 : 0) + (err_ >= 0 ? 1 : 0);
        if (nfds == 0) return false;
        if (poll(fds, 2, timeoutMs) <= 0) return false;
        bool any = false;
        char buf[4096];
        for (auto* p : {&fds[0], &fds[1]}) {
            if (p->fd < 0 || !(p->revents & (POLLIN | POLLHUP))) continue;
            const ssize_t n = read(p->fd, buf, sizeof buf);
            std::string& sink = p == &fds[0] ? out : err;
            int& fd = p == &fds[0] ? out_ : err_;
            if (n > 0) {
                sink.append(buf, static_cast<std::size_t>(n));
                any = true;
            } else {
                close(fd);
                fd = -1;
                any = true;
            }
        }
        return any;
    }

    pid_t pid_ = -1;
    int in_ = -1, out_ = -1, err_ = -1;
    bool waited_ = false;
};
