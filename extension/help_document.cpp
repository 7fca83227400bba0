// The help document: found beside the module and opened with the desktop's default viewer.
#include "extension/help_document.h"

#include <sys/wait.h>
#include <unistd.h>

#include "extension/corvane_extension.h"
#include "platform/files.h"

namespace {

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

std::string HelpDocumentPath(std::string modulePath)
{
    ReplaceAll(modulePath, ".cvx64", ".pdf");
    ReplaceAll(modulePath, ".cvx", ".pdf");
    ReplaceAll(modulePath, ".ucvx", ".pdf");
    return modulePath;
}

void CCorvaneExtension::OpenHelpDocument() const { ::OpenHelpDocument(); }

void OpenHelpDocument()
{
    std::string path = HelpDocumentPath(ModulePathOf(reinterpret_cast<const void*>(&HelpDocumentPath)));
    if (path.empty())
        return;
    // The viewer runs in a grandchild, so nothing is left to wait for and the editor never blocks.
    pid_t child = fork();
    if (child == 0) {
        if (fork() == 0) {
            setsid();
            execlp("xdg-open", "xdg-open", path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        _exit(0);
    }
    if (child > 0)
        waitpid(child, nullptr, 0);
}
