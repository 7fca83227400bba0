// trellis-schema: writes the menu's JSON Schema at build time, from the settings table.
#include <cstdio>
#include <string>

#include "host/menu_files/menu_schema.h"
#include "platform/files.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: trellis-schema OUTPUT.json\n");
        return 2;
    }
    std::string error;
    if (!WriteFileAtomically(argv[1], MenuJsonSchema(), &error)) {
        std::fprintf(stderr, "trellis-schema: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    return 0;
}
