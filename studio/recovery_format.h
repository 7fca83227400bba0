// The recovery file's bytes: the unsaved menu's block, its generation and the file it came from.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct RecoveryContent {
    std::string generation;  // the module's name, "Trellis" or "Trellisv2"
    std::string path;        // the menu file the work belongs to; empty for a new menu
    std::string block;       // the menu's stored block
};

// "trellis-recovery 1\n", then "generation NAME\n", "path LENGTH\n" + the path + "\n", and
// "block LENGTH\n" + the block's bytes. Lengths make any path and any block bytes safe.
std::string EncodeRecovery(const RecoveryContent& content);
// Nothing for bytes that are not a whole recovery file of this form.
std::optional<RecoveryContent> DecodeRecovery(std::string_view bytes);
