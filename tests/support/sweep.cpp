// Runs every number from 1 to 999,999,999 in all four forms through the engine on
// all cores and checks each one: the shared invariants of every written form, and
// that every written form reads back; prints progress, rate and time remaining.
// Usage: whole_range_sweep [FIRST [LAST]]
#include "invariants.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono;

int main(int argc, char** argv) {
    const long first = argc > 1 ? std::atol(argv[1]) : 1;
    const long last = argc > 2 ? std::atol(argv[2]) : 999'999'999;
    if (first < 1 || last > 999'999'999 || first > last) {
        std::fprintf(stderr, "usage: whole_range_sweep [FIRST [LAST]] within 1..999999999\n");
        return 2;
    }
    constexpr long chunk = 100'000;
    std::atomic<long> next{first};
    std::atomic<long> done{0};
    std::atomic<long> failures{0};
    std::mutex report;

    const auto work = [&] {
        for (long start; (start = next.fetch_add(chunk)) <= last;) {
            const long end = std::min(start + chunk - 1, last);
            for (long n = start; n <= end; ++n)
                for (int form = 0; form < 4; ++form) {
                    const bool masculine = form % 2 == 0, ordinal = form >= 2;
                    std::string v = zefnaro::checks::violation(n, masculine, ordinal);
                    if (v.empty()) v = zefnaro::checks::roundTripViolation(n, masculine, ordinal);
                    if (v.empty()) continue;
                    if (failures.fetch_add(1) < 20) {
                        const std::lock_guard lock(report);
                        std::fprintf(stderr, "\nFAIL %ld form %d: %s\n", n, form, v.c_str());
                    }
                }
            done += end - start + 1;
        }
    };

    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const auto began = steady_clock::now();
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < cores; ++i)
        threads.emplace_back(work);

    const long total = last - first + 1;
    for (;;) {
        const long now = done.load();
        const double seconds = duration<double>(steady_clock::now() - began).count();
        const double rate = seconds > 0 ? static_cast<double>(now) / seconds : 0;
        const double left = rate > 0 ? static_cast<double>(total - now) / rate : 0;
        const int filled =
            static_cast<int>(40.0 * static_cast<double>(now) / static_cast<double>(total));
        std::fprintf(stderr, "\r[%-40s] %5.1f%%  %.2fM numbers/s  %4.0f min left  failures: %ld   ",
                     std::string(static_cast<std::size_t>(filled), '#').c_str(),
                     100.0 * static_cast<double>(now) / static_cast<double>(total), rate / 1e6,
                     left / 60, failures.load());
        if (now >= total) break;
        std::this_thread::sleep_for(milliseconds(500));
    }
    for (auto& t : threads)
        t.join();
    const double seconds = duration<double>(steady_clock::now() - began).count();
    std::printf("\nchecked %ld numbers x 4 forms on %u threads in %.0f s: %ld failures\n", total,
                cores, seconds, failures.load());
    return failures.load() == 0 ? 0 : 1;
}
