// trellis-manuals: writes the man page and the bash completion of trellis at build time, from the
// command table trellis itself is built from.
#include <cstdio>
#include <string>

#include "host/cli/bash_completion.h"
#include "host/cli/manual_page.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: trellis-manuals VERSION MAN_PAGE_OUT COMPLETION_OUT\n", stderr);
        return 2;
    }
    const std::pair<const char*, std::string> outputs[] = {{argv[2], ManualPage(argv[1])}, {argv[3], BashCompletion()}};
    for (const auto& [path, text] : outputs) {
        std::FILE* file = std::fopen(path, "wb");
        if (!file || std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fclose(file) != 0) {
            std::fprintf(stderr, "trellis-manuals: cannot write %s\n", path);
            return 1;
        }
    }
    return 0;
}
