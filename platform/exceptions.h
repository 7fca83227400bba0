// The framework's exceptions: thrown by value, caught by reference, visible across modules.
#pragma once

#include <string>

#define TRELLIS_VISIBLE __attribute__((visibility("default")))

class TRELLIS_VISIBLE CException {
public:
    virtual ~CException() = default;
    // A short lower-case description for error messages.
    virtual std::string Describe() const = 0;
};

class TRELLIS_VISIBLE CArchiveException : public CException {
public:
    enum Cause { none = 0, generic = 1, readOnly = 2, endOfFile = 3, writeOnly = 4, badIndex = 5,
                 badClass = 6, badSchema = 7 };
    explicit CArchiveException(Cause cause = generic, std::string detail = {})
        : m_cause(cause), m_detail(std::move(detail)) {}
    std::string Describe() const override;

    Cause m_cause;
    std::string m_detail;
};

class TRELLIS_VISIBLE CMemoryException : public CException {
public:
    std::string Describe() const override { return "out of memory"; }
};

class TRELLIS_VISIBLE CInvalidArgException : public CException {
public:
    std::string Describe() const override { return "invalid argument"; }
};

class TRELLIS_VISIBLE CFileException : public CException {
public:
    explicit CFileException(std::string detail) : m_detail(std::move(detail)) {}
    std::string Describe() const override { return m_detail; }

    std::string m_detail;
};
