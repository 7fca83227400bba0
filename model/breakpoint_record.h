// Breakpoint records: twelve layout values per host breakpoint, as text joined by "|". The one
// writer and the one reader of that text.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "model/settings_fields.h"

constexpr size_t kBreakpointRecordLength = 12;

// The twelve fields of a record, in record order (the table's record places 0 to 11).
std::span<const SettingField* const> BreakpointRecordFields();

// The values of the twelve record fields, looked up by member.
class BreakpointValues {
public:
    // The settings' current values.
    explicit BreakpointValues(const CMenuSettings& settings);
    BreakpointValues() = default;

    // The value of a record field; std::out_of_range for a member that is not in the record.
    int32_t operator[](int32_t CMenuSettings::* member) const;
    int32_t& operator[](int32_t CMenuSettings::* member);
    // In record order.
    std::array<int32_t, kBreakpointRecordLength> values{};

    // Lays a record over the values, as the modules read one: an empty field keeps its value, and
    // so does every field a short record leaves out; fields past the twelfth are ignored.
    void Apply(std::u16string_view record);
    // Writes the values back into the settings.
    void StoreInto(CMenuSettings& settings) const;
};

// The settings' current values with the record of the breakpoint over them; without a record, the
// current values alone (those of the breakpoint loaded last).
BreakpointValues BreakpointValuesAt(const CMenuSettings& settings, int32_t breakpoint);

// The record text of the values: twelve "%d" numbers joined by "|".
CString FormatBreakpointRecord(const BreakpointValues& values);

// The values of a record exactly as FormatBreakpointRecord writes it, or nothing for any other
// text (a short record, an empty field, "+5" or "007").
std::optional<BreakpointValues> ParseCanonicalBreakpointRecord(std::u16string_view record);
