// The random-input run's memory of its last actions, written out when the process dies.
#pragma once

#include <cstdint>
#include <string>

// Keeps the last actions in fixed buffers, so that a crash handler can write them without
// allocating. Record is called from the GUI thread only.
void RecordAction(const std::string& action);
// Also prints each action on standard output as it is recorded (--verbose).
void EchoActions(bool echo);
// The seed and the session are named in every report.
void SetRunDescription(const std::string& description);
// Writes the run description and the last actions, oldest first, to standard error. Safe in a
// signal handler.
void DumpLastActions(const char* why);
// The number of actions recorded so far (the watchdog's heartbeat).
uint64_t ActionCount();

// On a crash, an abort or a sanitizer report, the description and the last actions follow the report.
void InstallCrashReport();
