// Writing and reading the recovery file's bytes; the reader takes any bytes and never fails loudly.
#include "studio/recovery_format.h"

#include <charconv>

namespace {

constexpr std::string_view kMagic = "trellis-recovery 1\n";

// Takes "WORD VALUE\n" from the front of `rest`.
bool TakeLine(std::string_view& rest, std::string_view word, std::string_view& value)
{
    if (rest.substr(0, word.size()) != word || rest.size() <= word.size() || rest[word.size()] != ' ')
        return false;
    rest.remove_prefix(word.size() + 1);
    const size_t end = rest.find('\n');
    if (end == std::string_view::npos)
        return false;
    value = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    return true;
}

// Takes "WORD LENGTH\n" and then LENGTH bytes.
bool TakeSized(std::string_view& rest, std::string_view word, std::string& out)
{
    std::string_view lengthText;
    if (!TakeLine(rest, word, lengthText))
        return false;
    size_t length = 0;
    const auto result = std::from_chars(lengthText.data(), lengthText.data() + lengthText.size(), length);
    if (result.ec != std::errc() || result.ptr != lengthText.data() + lengthText.size() || length > rest.size())
        return false;
    out.assign(rest.substr(0, length));
    rest.remove_prefix(length);
    return true;
}

}  // namespace

std::string EncodeRecovery(const RecoveryContent& content)
{
    std::string bytes(kMagic);
    bytes += "generation " + content.generation + "\n";
    bytes += "path " + std::to_string(content.path.size()) + "\n" + content.path + "\n";
    bytes += "block " + std::to_string(content.block.size()) + "\n" + content.block;
    return bytes;
}

std::optional<RecoveryContent> DecodeRecovery(std::string_view bytes)
{
    if (bytes.substr(0, kMagic.size()) != kMagic)
        return std::nullopt;
    std::string_view rest = bytes.substr(kMagic.size());
    RecoveryContent content;
    std::string_view generation;
    if (!TakeLine(rest, "generation", generation))
        return std::nullopt;
    content.generation.assign(generation);
    if (!TakeSized(rest, "path", content.path) || rest.empty() || rest.front() != '\n')
        return std::nullopt;
    rest.remove_prefix(1);
    if (!TakeSized(rest, "block", content.block) || !rest.empty())
        return std::nullopt;
    return content;
}
