// Environment variables set or removed for a test's scope, and a display that no X server answers.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

// Sets (or, given nullptr, removes) an environment variable for the scope, then puts it back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = getenv(name))
            m_old = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnvironment() { m_old ? setenv(m_name, m_old->c_str(), 1) : unsetenv(m_name); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// A display number that no X server answers: no socket of that number exists.
inline std::string UnansweredDisplay()
{
    for (int number = 7391;; ++number) {
        if (!std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number)))
            return ":" + std::to_string(number);
    }
}
