// The command line and the stuck-loop watchdog that the random-input programs (the editor's sheet,
// the studio's window) share.
#pragma once

#include <atomic>
#include <cstdint>

struct RunOptions {
    int seconds = 60;
    uint64_t seed = 0;
    bool verbose = false;
};

// Reads --seconds N, --seed S and --verbose; --help prints `usage` and exits 0, anything else
// prints the program's name, the option and `usage` on standard error and exits 2. Without --seed
// the seed comes from the clock.
RunOptions ParseRunOptions(int argc, char** argv, const char* program, const char* usage);

// Ends the process with the last actions on standard error when the GUI thread records no action for
// `seconds`: a dialog loop that no timer reaches, or a hang. Call it from the GUI thread. The time
// the GUI thread spends waiting for a processor does not count: on a loaded machine (a niced run
// beside builds) a heavy action can take minutes on the clock without anything being stuck.
// Stops watching once `finished` is set.
void StartStuckWatchdog(const std::atomic<bool>& finished, int seconds);

// What every run does once its application exists: says the program's seed and length, reports a
// crash with the last actions, echoes actions when asked, and starts the watchdog (two minutes
// without an action is stuck).
void BeginRandomRun(const char* program, const RunOptions& options, const std::atomic<bool>& finished);
