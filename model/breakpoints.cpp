// Breakpoint records: the record fields from the settings table, the record's text both ways, and
// the settings object's current breakpoint.
#include "model/breakpoint_record.h"

#include <stdexcept>

#include "platform/numbers.h"

std::span<const SettingField* const> BreakpointRecordFields()
{
    static const auto fields = [] {
        std::array<const SettingField*, kBreakpointRecordLength> inOrder{};
        for (const SettingField& field : SettingFields()) {
            if (field.recordPlace >= 0)
                inOrder.at(static_cast<size_t>(field.recordPlace)) = &field;
        }
        return inOrder;
    }();
    return fields;
}

namespace {

size_t PlaceOf(int32_t CMenuSettings::* member)
{
    const int place = SettingFieldOf(member).recordPlace;
    if (place < 0)
        throw std::out_of_range("the field is not in the breakpoint record");
    return static_cast<size_t>(place);
}

}  // namespace

BreakpointValues::BreakpointValues(const CMenuSettings& settings)
{
    std::span<const SettingField* const> fields = BreakpointRecordFields();
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = settings.*fields[i]->number;
}

int32_t BreakpointValues::operator[](int32_t CMenuSettings::* member) const { return values[PlaceOf(member)]; }
int32_t& BreakpointValues::operator[](int32_t CMenuSettings::* member) { return values[PlaceOf(member)]; }

void BreakpointValues::Apply(std::u16string_view record)
{
    for (int32_t& value : values) {
        const size_t bar = record.find(u'|');
        const std::u16string_view text = record.substr(0, bar);
        if (!text.empty())
            value = TextToInt(text);
        if (bar == std::u16string_view::npos)
            break;
        record.remove_prefix(bar + 1);
    }
}

void BreakpointValues::StoreInto(CMenuSettings& settings) const
{
    std::span<const SettingField* const> fields = BreakpointRecordFields();
    for (size_t i = 0; i < values.size(); ++i)
        settings.*fields[i]->number = values[i];
}

BreakpointValues BreakpointValuesAt(const CMenuSettings& settings, int32_t breakpoint)
{
    BreakpointValues values(settings);
    CString record;
    if (settings.m_mapBreakpoints.Lookup(FormatInt(breakpoint), record))
        values.Apply(record.view());
    return values;
}

CString FormatBreakpointRecord(const BreakpointValues& values)
{
    CString record;
    for (int32_t value : values.values) {
        if (!record.IsEmpty())
            record += u'|';
        record += FormatInt(value);
    }
    return record;
}

std::optional<BreakpointValues> ParseCanonicalBreakpointRecord(std::u16string_view record)
{
    BreakpointValues parsed;
    size_t count = 0;
    while (true) {
        const size_t bar = record.find(u'|');
        const std::u16string_view text = record.substr(0, bar);
        const int32_t value = TextToInt(text);
        if (text.empty() || count == kBreakpointRecordLength || FormatInt(value).view() != text)
            return std::nullopt;
        parsed.values[count++] = value;
        if (bar == std::u16string_view::npos)
            break;
        record.remove_prefix(bar + 1);
    }
    if (count != kBreakpointRecordLength)
        return std::nullopt;
    return parsed;
}

CString CMenuSettings::BreakpointRecord() const { return FormatBreakpointRecord(BreakpointValues(*this)); }

void CMenuSettings::StoreBreakpointData()
{
    m_mapBreakpoints.SetAt(FormatInt(m_nCurrentBreakpoint), BreakpointRecord());
}

void CMenuSettings::LoadBreakpointData(int32_t breakpoint)
{
    m_nCurrentBreakpoint = breakpoint;
    CString record;
    if (!m_mapBreakpoints.Lookup(FormatInt(breakpoint), record))
        return;
    BreakpointValues values(*this);
    values.Apply(record.view());
    values.StoreInto(*this);
}
