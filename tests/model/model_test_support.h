// Helpers for model tests: storing and loading a settings record in either generation's layout.
#pragma once

#include <vector>

#include "model/menu_settings.h"
#include "model/storage_layout.h"
#include "platform/archive.h"
#include "../test_printers.h"

using Bytes = std::vector<uint8_t>;

inline Bytes StoreSettings(CMenuSettings& settings, std::span<const StoredField> layout)
{
    Bytes bytes;
    CArchive ar(bytes);
    settings.SerializeSettings(ar, layout);
    return bytes;
}

inline void LoadSettings(CMenuSettings& settings, const Bytes& bytes, std::span<const StoredField> layout)
{
    CArchive ar(bytes.data(), bytes.size());
    settings.SerializeSettings(ar, layout);
}

inline Bytes Utf16Bytes(const char16_t* text)
{
    Bytes bytes;
    for (; *text; ++text) {
        bytes.push_back(static_cast<uint8_t>(*text & 0xFF));
        bytes.push_back(static_cast<uint8_t>(*text >> 8));
    }
    return bytes;
}

inline Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}
