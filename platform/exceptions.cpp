// Descriptions of the framework's exceptions for one-line error messages.
#include "platform/exceptions.h"

std::string CArchiveException::Describe() const
{
    std::string what;
    switch (m_cause) {
    case endOfFile: what = "unexpected end of data"; break;
    case readOnly: what = "archive is for loading, not storing"; break;
    case writeOnly: what = "archive is for storing, not loading"; break;
    default: what = "malformed data"; break;
    }
    if (!m_detail.empty())
        what += " (" + m_detail + ")";
    return what;
}
