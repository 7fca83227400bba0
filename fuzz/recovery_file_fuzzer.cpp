// libFuzzer target: any bytes in a recovery file are read without fault, and what reads back is
// written so that it reads back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "studio/recovery_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto content = DecodeRecovery(bytes);
    if (!content)
        return 0;
    const auto again = DecodeRecovery(EncodeRecovery(*content));
    FuzzRequire(again && again->generation == content->generation && again->path == content->path &&
                again->block == content->block);
    return 0;
}
