// A ring of the last actions in static storage, and the hooks that print it when the process dies.
#include "tests/editor/random_input/action_log.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>

#if __has_include(<sanitizer/common_interface_defs.h>)
#include <sanitizer/common_interface_defs.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define RANDOM_INPUT_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RANDOM_INPUT_SANITIZED 1
#endif
#endif

namespace {

constexpr int kKept = 40;
constexpr size_t kLineLength = 240;

char g_lines[kKept][kLineLength];
char g_description[kLineLength];
std::atomic<uint64_t> g_count{0};
bool g_echo = false;

void WriteAll(const char* text)
{
    size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = write(STDERR_FILENO, text, left);
        if (written <= 0)
            return;
        text += written;
        left -= static_cast<size_t>(written);
    }
}

void CopyLine(char* target, const std::string& text)
{
    const size_t length = std::min(text.size(), kLineLength - 1);
    std::memcpy(target, text.data(), length);
    target[length] = '\0';
}

void OnSignal(int signal)
{
    DumpLastActions(strsignal(signal));
    // The handler was reset on entry: the signal now does what it would have done.
    raise(signal);
}

#ifdef RANDOM_INPUT_SANITIZED
void OnSanitizerDeath() { DumpLastActions("sanitizer report"); }
#endif

}  // namespace

void RecordAction(const std::string& action)
{
    const uint64_t index = g_count.load(std::memory_order_relaxed);
    CopyLine(g_lines[index % kKept], action);
    g_count.store(index + 1, std::memory_order_release);
    if (g_echo) {
        std::fputs(g_lines[index % kKept], stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
}

void EchoActions(bool echo) { g_echo = echo; }

void SetRunDescription(const std::string& description) { CopyLine(g_description, description); }

uint64_t ActionCount() { return g_count.load(std::memory_order_acquire); }

void DumpLastActions(const char* why)
{
    WriteAll("\n==== editor_random_input failed: ");
    WriteAll(why);
    WriteAll("\n==== ");
    WriteAll(g_description);
    WriteAll("\n==== the last actions, oldest first:\n");
    const uint64_t count = g_count.load(std::memory_order_acquire);
    const uint64_t first = count > kKept ? count - kKept : 0;
    for (uint64_t i = first; i < count; ++i) {
        WriteAll("  ");
        WriteAll(g_lines[i % kKept]);
        WriteAll("\n");
    }
}

void InstallCrashReport()
{
    struct sigaction action {};
    action.sa_handler = OnSignal;
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigemptyset(&action.sa_mask);
#ifdef RANDOM_INPUT_SANITIZED
    // The sanitizer catches faults itself and prints its report first; it calls back before it ends.
    __sanitizer_set_death_callback(OnSanitizerDeath);
    sigaction(SIGABRT, &action, nullptr);
#else
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        sigaction(signal, &action, nullptr);
#endif
}
