// One line for any exception: the host's errors say the file and the problem; the framework's
// exceptions come from the module.
#include "studio/error_text.h"

#include <exception>
#include <new>
#include <stdexcept>

#include "platform/exceptions.h"

QString CurrentErrorText()
{
    try {
        throw;
    } catch (const CException& e) {
        return QStringLiteral("the module failed: %1").arg(QString::fromStdString(e.Describe()));
    } catch (const std::bad_alloc&) {
        return QStringLiteral("out of memory");
    } catch (const std::exception& e) {
        return QString::fromStdString(e.what());
    } catch (...) {
        return QStringLiteral("the module failed with an unknown error");
    }
}
