// The random-input programs' options and their watchdog thread.
#include "tests/editor/random_input/run_options.h"

#include "tests/editor/random_input/action_log.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include <unistd.h>

#include "tests/editor/random_input/action_log.h"

namespace {

bool ParseNumber(const char* text, uint64_t& value)
{
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && end && *end == '\0' && end != text && text[0] != '-';
}

// How long the thread has waited for a processor so far, in nanoseconds (the second field of its
// schedstat); 0 where the kernel does not keep it.
uint64_t WaitingForCpu(const std::string& schedstat)
{
    std::ifstream in(schedstat);
    uint64_t running = 0;
    uint64_t waiting = 0;
    return in >> running >> waiting ? waiting : 0;
}

}  // namespace

RunOptions ParseRunOptions(int argc, char** argv, const char* program, const char* usage)
{
    RunOptions options;
    options.seed = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) % 1000000007u;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        uint64_t value = 0;
        if (arg == "--help" || arg == "-h") {
            std::fputs(usage, stdout);
            std::exit(0);
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if ((arg == "--seconds" || arg == "--seed") && i + 1 < argc && ParseNumber(argv[i + 1], value)) {
            if (arg == "--seconds")
                options.seconds = static_cast<int>(std::min<uint64_t>(value, 7 * 24 * 3600));
            else
                options.seed = value;
            ++i;
        } else {
            std::fprintf(stderr, "%s: unknown or incomplete option '%s'\n%s", program, arg.c_str(), usage);
            std::exit(2);
        }
    }
    return options;
}

void StartStuckWatchdog(const std::atomic<bool>& finished, int seconds)
{
    const std::string schedstat = "/proc/self/task/" + std::to_string(gettid()) + "/schedstat";
    std::thread([&finished, seconds, schedstat] {
        uint64_t last = ActionCount();
        auto clock = std::chrono::steady_clock::now();
        uint64_t waited = WaitingForCpu(schedstat);
        double idle = 0;  // seconds since the last action that the GUI thread was not kept waiting
        const std::string why = "no action for " + std::to_string(seconds) + " s: the event loop is stuck";
        while (!finished.load()) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const auto now = std::chrono::steady_clock::now();
            const uint64_t nowWaited = WaitingForCpu(schedstat);
            const double passed = std::chrono::duration<double>(now - clock).count();
            const double starved = double(nowWaited - waited) / 1e9;
            clock = now;
            waited = nowWaited;
            const uint64_t count = ActionCount();
            if (count != last) {
                last = count;
                idle = 0;
            } else if ((idle += std::max(0.0, passed - starved)) > seconds) {
                DumpLastActions(why.c_str());
                std::_Exit(1);
            }
        }
    }).detach();
}

void BeginRandomRun(const char* program, const RunOptions& options, const std::atomic<bool>& finished)
{
    constexpr int kStuckSeconds = 120;
    std::printf("%s: seed %llu, %d s\n", program, static_cast<unsigned long long>(options.seed), options.seconds);
    std::fflush(stdout);
    InstallCrashReport();
    EchoActions(options.verbose);
    StartStuckWatchdog(finished, kStuckSeconds);
}
