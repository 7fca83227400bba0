// The main a fuzz target is linked with outside the fuzz build: it runs the target once on each seed
// it is given (files, or folders of them), so that every build's tests try the committed seeds, the
// inputs that once failed a target among them.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fprintf(argc < 2 ? stderr : stdout, "usage: %s SEED_OR_FOLDER...\n"
                     "Runs the fuzz target once on each seed file and on each file of each folder.\n", argv[0]);
        return argc < 2 ? 2 : 0;
    }
    std::vector<fs::path> seeds;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        if (fs::is_directory(argv[i], error)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(argv[i], error)) {
                if (entry.is_regular_file())
                    seeds.push_back(entry.path());
            }
        } else if (fs::is_regular_file(argv[i], error)) {
            seeds.emplace_back(argv[i]);
        }
        if (error || (!fs::is_directory(argv[i]) && !fs::is_regular_file(argv[i]))) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[i]);
            return 1;
        }
    }
    if (seeds.empty()) {
        std::fprintf(stderr, "%s: no seeds in %s\n", argv[0], argv[1]);
        return 1;
    }
    std::sort(seeds.begin(), seeds.end());
    for (const fs::path& seed : seeds) {
        std::ifstream in(seed, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], seed.c_str());
            return 1;
        }
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        bytes.reserve(1);  // an empty seed still comes as a pointer to memory, as libFuzzer gives it
        // The seed's name first: a seed that stops the run is the last one named.
        std::printf("%s\n", seed.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu seeds ran\n", seeds.size());
    return 0;
}
