// The two ways the host's work fails: a request that cannot be taken, and work that could not be done.
#pragma once

#include <stdexcept>

// A mistake in what was asked for (an option, a name, a number): the command line reports it with
// exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A failure while doing the work (a file, a module, a block): reported with exit status 1.
struct CommandError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
