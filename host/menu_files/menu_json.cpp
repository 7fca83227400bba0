// The menu's JSON form, both ways: written from the settings table of the generation's storage
// layout and the tree, read back with every refusal naming the JSON path of the offending value.
#include "host/menu_files/menu_json.h"

#include <cstdio>
#include <initializer_list>
#include <optional>
#include <set>
#include <vector>

#include <nlohmann/json.hpp>

#include "extension/generation.h"
#include "generate/style_format.h"
#include "model/breakpoint_record.h"
#include "model/menu_settings.h"
#include "model/storage_layout.h"
#include "platform/archive.h"
#include "platform/ascii.h"
#include "platform/numbers.h"
#include "platform/text_convert.h"

namespace {

// Objects keep their keys in the order written, so an exported menu reads like the block.
using Json = nlohmann::ordered_json;

[[noreturn]] void Fail(const std::string& path, const std::string& problem)
{
    throw MenuJsonError((path.empty() ? std::string("top level") : path) + ": " + problem);
}

std::string KeyPath(const std::string& path, const std::string& key) { return path.empty() ? key : path + "." + key; }
std::string IndexPath(const std::string& path, size_t index) { return path + "[" + std::to_string(index) + "]"; }

// ---- Value rules shared by both directions, so that whatever is written reads back: the ranges,
// flags and transparency of the settings table.

std::string RangeText(int64_t low, int64_t high)
{
    return "a whole number from " + std::to_string(low) + " to " + std::to_string(high);
}

// ---- Writing.

bool HasLoneSurrogate(std::u16string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t ch = text[i];
        if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;
        else if (ch >= 0xD800 && ch <= 0xDFFF)
            return true;
    }
    return false;
}

Json TextToJson(const CString& text, const std::string& path)
{
    // JSON text is Unicode: half a surrogate pair has no spelling in it.
    if (HasLoneSurrogate(text.view()))
        Fail(path, "holds half of a UTF-16 surrogate pair, which JSON text cannot carry");
    return Utf16ToUtf8(text.view());
}

Json ColourToJson(COLORREF colour, const SettingField& field, const std::string& path)
{
    if (colour == kTransparent && field.mayBeTransparent)
        return "transparent";
    if ((colour & 0xFF000000) != 0)
        Fail(path, "holds the value " + std::to_string(colour) + ", which is no colour" +
                       (field.mayBeTransparent ? "" : " (only the two backgrounds may be transparent)"));
    return ColorToHex(colour).ToUtf8();
}

Json FlagToJson(int32_t value, const std::string& path)
{
    if (value != 0 && value != 1)
        Fail(path, "holds " + std::to_string(value) + ", but a flag is 0 or 1");
    return value == 1;
}

Json NumberToJson(int32_t value, const SettingField& field, const std::string& path)
{
    if (!field.InRange(value))
        Fail(path, "holds " + std::to_string(value) + ", outside its range of " + RangeText(field.low, field.high));
    return value;
}

Json SettingToJson(const CMenuSettings& menu, const SettingField& field, const std::string& path)
{
    switch (field.kind) {
    case FieldKind::Flag: return FlagToJson(menu.*field.number, path);
    case FieldKind::Colour: return ColourToJson(menu.*field.colour, field, path);
    case FieldKind::Text: return TextToJson(menu.*field.text, path);
    case FieldKind::Number: break;
    }
    return NumberToJson(menu.*field.number, field, path);
}

bool IsDefault(const CMenuSettings& menu, const SettingField& field)
{
    switch (field.kind) {
    case FieldKind::Number:
    case FieldKind::Flag: return menu.*field.number == field.defaultValue;
    case FieldKind::Colour: return menu.*field.colour == field.defaultValue;
    case FieldKind::Text: return menu.*field.text == field.defaultText;
    }
    return false;
}

// A setting left out reads as its default, so only the others need writing.
Json SettingsToJson(const CMenuSettings& menu, std::span<const StoredField> layout, bool allSettings)
{
    Json settings = Json::object();
    for (const StoredField& entry : layout) {
        if (entry.kind == StoredField::Kind::Setting && (allSettings || !IsDefault(menu, *entry.setting))) {
            const char* name = entry.setting->name;
            settings[name] = SettingToJson(menu, *entry.setting, KeyPath("settings", name));
        }
    }
    return settings;
}

// The column setting "0" to "5" is written as the count of columns it stands for.
int ColumnCount(const CString& setting)
{
    if (setting.GetLength() == 1 && setting[0] >= u'0' && setting[0] <= u'5')
        return setting[0] - u'0' + 1;
    return 0;
}

// Level 1 is a button, 2 a group, 3 a link, deeper levels the children of links (which nothing
// publishes, but a block may hold them).
Json NodeToJson(const CMenuItem& node, int level, const std::string& path)
{
    Json json = Json::object();
    json["text"] = TextToJson(node.m_strText, KeyPath(path, "text"));
    if (level == 1) {
        if (int columns = ColumnCount(node.m_strURL))
            json["columns"] = columns;
        else
            json["columnSetting"] = TextToJson(node.m_strURL, KeyPath(path, "columnSetting"));
    } else if (level >= 3 || !node.IsGroup()) {
        json["url"] = TextToJson(node.m_strURL, KeyPath(path, "url"));
    }
    if (!node.m_strTarget.IsEmpty())
        json["target"] = TextToJson(node.m_strTarget, KeyPath(path, "target"));
    if (!node.m_strIcon.IsEmpty())
        json["icon"] = TextToJson(node.m_strIcon, KeyPath(path, "icon"));
    if (node.m_bActive != 0)
        json["active"] = FlagToJson(node.m_bActive, KeyPath(path, "active"));
    const char* children = level == 1 ? "groups" : level == 2 ? "links" : "items";
    if (level <= 2 || !node.m_arrItems.IsEmpty()) {
        Json list = Json::array();
        const std::string listPath = KeyPath(path, children);
        for (int i = 0; i < node.m_arrItems.GetSize(); ++i)
            list.push_back(NodeToJson(node.m_arrItems[i], level + 1, IndexPath(listPath, static_cast<size_t>(i))));
        json[children] = std::move(list);
    }
    return json;
}

bool IsBreakpointKey(const CString& key) { return !key.IsEmpty() && FormatInt(TextToInt(key.view())) == key; }

// A reader given no records stores the one a new object stores: its values under "-1".
bool OnlyTheRecordOfTheSettings(const CMenuSettings& menu)
{
    if (menu.m_mapBreakpoints.GetCount() != 1)
        return false;
    CString record;
    return menu.m_mapBreakpoints.Lookup(u"-1", record) && record == menu.BreakpointRecord();
}

// A record of twelve "%d" numbers is written by name; anything else as the text it is.
Json BreakpointsToJson(const CMenuSettings& menu)
{
    std::span<const SettingField* const> fields = BreakpointRecordFields();
    Json records = Json::array();
    for (const auto& [key, record] : menu.m_mapBreakpoints.Pairs()) {
        const std::string path = IndexPath("breakpoints", records.size());
        if (!IsBreakpointKey(key))
            Fail(KeyPath(path, "key"), "holds \"" + key.ToUtf8() + "\", which names no breakpoint");
        Json entry = Json::object();
        entry["key"] = key.ToUtf8();
        if (std::optional<BreakpointValues> values = ParseCanonicalBreakpointRecord(record)) {
            Json named = Json::object();
            for (size_t i = 0; i < fields.size(); ++i)
                named[fields[i]->name] = values->values[i];
            entry["values"] = std::move(named);
        } else {
            entry["record"] = TextToJson(record, KeyPath(path, "record"));
        }
        records.push_back(std::move(entry));
    }
    return records;
}

// ---- Reading.

// Tracks where the parser is, so that a key given twice in one object (which the parser would
// quietly resolve) is refused with its path.
class DuplicateKeyGuard {
public:
    void Step(Json::parse_event_t event, const Json& parsed)
    {
        switch (event) {
        case Json::parse_event_t::object_start: Open(false); break;
        case Json::parse_event_t::array_start: Open(true); break;
        case Json::parse_event_t::object_end:
        case Json::parse_event_t::array_end: m_frames.pop_back(); break;
        case Json::parse_event_t::key: {
            Frame& top = m_frames.back();
            top.key = parsed.get<std::string>();
            if (!top.keys.insert(top.key).second)
                Fail(Path(), "given twice");
            break;
        }
        case Json::parse_event_t::value: Element(); break;
        }
    }

private:
    struct Frame {
        bool array = false;
        size_t index = 0;  // one past the array element being read
        std::string key;
        std::set<std::string> keys;
    };

    void Open(bool array)
    {
        Element();
        m_frames.emplace_back();
        m_frames.back().array = array;
    }

    void Element()
    {
        if (!m_frames.empty() && m_frames.back().array)
            ++m_frames.back().index;
    }

    std::string Path() const
    {
        std::string path;
        for (const Frame& frame : m_frames)
            path = frame.array ? IndexPath(path, frame.index - 1) : KeyPath(path, frame.key);
        return path;
    }

    std::vector<Frame> m_frames;
};

// The length of the well-formed UTF-8 sequence at the start of the bytes, or 0 when none starts there.
size_t Utf8SequenceLength(std::string_view bytes)
{
    const auto byte = [&](size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u; };
    const unsigned lead = byte(0);
    if (lead < 0x80)
        return 1;
    // The range of the second byte: the first rules out overlong forms, surrogates and values past U+10FFFF.
    size_t length = 0;
    unsigned low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    else
        return 0;
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

// The parser's own message without its "[json.exception.parse_error.101] " tag. The text it quotes
// may hold bytes that are not UTF-8: those are spelled \xNN, so that the message prints as it is.
std::string PlainMessage(const char* what)
{
    std::string_view message = what;
    size_t tag = message.find("] ");
    if (message.starts_with("[json.exception.") && tag != std::string_view::npos)
        message.remove_prefix(tag + 2);
    std::string plain;
    while (!message.empty()) {
        size_t length = Utf8SequenceLength(message);
        if (length == 0) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(message[0]));
            plain += escaped;
            length = 1;
        } else {
            plain += message.substr(0, length);
        }
        message.remove_prefix(length);
    }
    return plain;
}

// Reads a text through the parser only to learn where and why it gives up: its parse errors carry
// the byte, but a number too large for a double is refused without one.
class FailureLocator final : public Json::json_sax_t {
public:
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t&) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }

    bool parse_error(std::size_t position, const std::string& token, const Json::exception& e) override
    {
        // Counted from 1. A number is read whole before it is refused, so its first byte is named.
        if (e.id == kNumberOverflow) {
            const size_t start = position >= token.size() ? position - token.size() + 1 : 1;
            m_description = "at byte " + std::to_string(start) + ": the number " + PlainMessage(token.c_str()) +
                            " is too large";
        } else {
            m_description = "at byte " + std::to_string(position) + ": " + PlainMessage(e.what());
        }
        return false;
    }

    // Why the text is not JSON, or empty when the parser takes it.
    const std::string& Description() const { return m_description; }

private:
    static constexpr int kNumberOverflow = 406;
    std::string m_description;
};

Json Parse(std::string_view text)
{
    DuplicateKeyGuard guard;
    try {
        return Json::parse(
            text.begin(), text.end(),
            [&](int, Json::parse_event_t event, Json& parsed) {
                guard.Step(event, parsed);
                return true;
            },
            true, false);
    } catch (const Json::exception& e) {
        // Whatever the parser throws leaves as a refusal of the text: parse errors, numbers out of
        // range, and anything it may add.
        FailureLocator locator;
        Json::sax_parse(text.begin(), text.end(), &locator, Json::input_format_t::json, true, false);
        throw MenuJsonError(locator.Description().empty() ? "the text cannot be read as JSON: " + PlainMessage(e.what())
                                                          : locator.Description());
    }
}

const char* TypeName(const Json& value)
{
    switch (value.type()) {
    case Json::value_t::null: return "null";
    case Json::value_t::object: return "an object";
    case Json::value_t::array: return "an array";
    case Json::value_t::string: return "a string";
    case Json::value_t::boolean: return "true or false";
    case Json::value_t::number_float: return "a number";
    default: return "a number";
    }
}

[[noreturn]] void Expected(const std::string& path, const std::string& what, const Json& found)
{
    Fail(path, "expected " + what + ", not " + TypeName(found));
}

// Refuses any key outside the allowed ones, naming what the object may hold.
void CheckKeys(const Json& object, const std::string& path, std::initializer_list<const char*> allowed,
               const char* holder)
{
    for (const auto& item : object.items()) {
        bool known = false;
        for (const char* key : allowed)
            known = known || item.key() == key;
        if (known)
            continue;
        std::string list;
        for (const char* key : allowed)
            list += std::string(list.empty() ? "" : ", ") + key;
        Fail(KeyPath(path, item.key()), std::string("unknown key; ") + holder + " has " + list);
    }
}

const Json* Member(const Json& object, const char* key)
{
    auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

void ExpectObject(const Json& value, const std::string& path)
{
    if (!value.is_object())
        Expected(path, "an object", value);
}

const Json& ExpectArray(const Json& value, const std::string& path)
{
    if (!value.is_array())
        Expected(path, "an array", value);
    return value;
}

CString ReadText(const Json& value, const std::string& path)
{
    if (!value.is_string())
        Expected(path, "a string", value);
    // The parser has checked the UTF-8, so the conversion is exact.
    return CString(Utf8ToUtf16(value.get_ref<const std::string&>()));
}

int32_t ReadNumber(const Json& value, const std::string& path, int64_t low, int64_t high)
{
    bool inRange = false;
    int64_t number = 0;
    if (value.is_number_unsigned()) {
        uint64_t unsignedValue = value.get<uint64_t>();
        inRange = unsignedValue <= static_cast<uint64_t>(high);
        number = inRange ? static_cast<int64_t>(unsignedValue) : 0;
    } else if (value.is_number_integer()) {
        number = value.get<int64_t>();
        inRange = true;
    } else if (value.is_number_float()) {
        // Fractions, and integers too large for 64 bits, which the parser keeps as floating point.
        Fail(path, "expected " + RangeText(low, high) + ", not " + value.dump());
    } else {
        Expected(path, RangeText(low, high), value);
    }
    if (!inRange || number < low || number > high)
        Fail(path, "expected " + RangeText(low, high) + ", not " + value.dump());
    return static_cast<int32_t>(number);
}

int32_t ReadFlag(const Json& value, const std::string& path)
{
    if (!value.is_boolean())
        Expected(path, "true or false", value);
    return value.get<bool>() ? 1 : 0;
}

COLORREF ReadColour(const Json& value, const SettingField& field, const std::string& path)
{
    const std::string what = field.mayBeTransparent ? "a colour \"#RRGGBB\" or \"transparent\"" : "a colour \"#RRGGBB\"";
    if (!value.is_string())
        Expected(path, what, value);
    const std::string& text = value.get_ref<const std::string&>();
    if (text == "transparent" && field.mayBeTransparent)
        return kTransparent;
    uint32_t rgb = 0;
    bool good = text.size() == 7 && text[0] == '#';
    for (size_t i = 1; good && i < 7; ++i) {
        int digit = HexDigitValue(static_cast<unsigned char>(text[i]));
        good = digit >= 0;
        rgb = rgb << 4 | static_cast<uint32_t>(digit);
    }
    if (!good)
        Fail(path, "expected " + what + ", not " + value.dump());
    // "#RRGGBB" to the red-in-the-low-byte order the model keeps.
    return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
}

void ReadSettings(const Json& settings, const Generation& generation, CMenuSettings& menu)
{
    ExpectObject(settings, "settings");
    std::span<const StoredField> layout = generation.storageLayout();
    for (const auto& item : settings.items()) {
        const std::string path = KeyPath("settings", item.key());
        const SettingField* field = FindSettingField(item.key());
        if (!field || !LayoutStores(layout, *field))
            Fail(path, "unknown key; not a stored setting of " + Utf16ToUtf8(generation.moduleName));
        const Json& value = item.value();
        switch (field->kind) {
        case FieldKind::Number: menu.*field->number = ReadNumber(value, path, field->low, field->high); break;
        case FieldKind::Flag: menu.*field->number = ReadFlag(value, path); break;
        case FieldKind::Colour: menu.*field->colour = ReadColour(value, *field, path); break;
        case FieldKind::Text: menu.*field->text = ReadText(value, path); break;
        }
    }
}

CMenuItem ReadNode(const Json& json, int level, const std::string& path);

void ReadChildren(const Json& list, int level, const std::string& path, CMenuItem& node)
{
    ExpectArray(list, path);
    for (size_t i = 0; i < list.size(); ++i)
        node.m_arrItems.Add(ReadNode(list[i], level + 1, IndexPath(path, i)));
}

CMenuItem ReadNode(const Json& json, int level, const std::string& path)
{
    if (level > CMenuItem::kMaxDepth)
        Fail(path, "nested deeper than " + std::to_string(CMenuItem::kMaxDepth) + " levels");
    ExpectObject(json, path);
    const char* children = level == 1 ? "groups" : level == 2 ? "links" : "items";
    if (level == 1)
        CheckKeys(json, path, {"text", "icon", "columns", "columnSetting", "target", "active", "groups"}, "a button");
    else if (level == 2)
        CheckKeys(json, path, {"text", "url", "icon", "target", "active", "links"}, "a group");
    else
        CheckKeys(json, path, {"text", "url", "target", "icon", "active", "items"}, "a link");

    CMenuItem node;
    const Json* text = Member(json, "text");
    if (!text)
        Fail(KeyPath(path, "text"), "missing");
    node.m_strText = ReadText(*text, KeyPath(path, "text"));
    if (level == 1) {
        const Json* columns = Member(json, "columns");
        const Json* setting = Member(json, "columnSetting");
        if (columns && setting)
            Fail(KeyPath(path, "columnSetting"), "give either columns or columnSetting, not both");
        if (columns)
            node.m_strURL = FormatInt(ReadNumber(*columns, KeyPath(path, "columns"), 1, 6) - 1);
        else if (setting)
            node.m_strURL = ReadText(*setting, KeyPath(path, "columnSetting"));
        else
            node.m_strURL = u"0";  // one column
    } else {
        const Json* url = Member(json, "url");
        if (url)
            node.m_strURL = ReadText(*url, KeyPath(path, "url"));
        else if (level == 2)
            node.m_strURL = u"PARENT";
        else
            Fail(KeyPath(path, "url"), "missing");
    }
    if (const Json* target = Member(json, "target"))
        node.m_strTarget = ReadText(*target, KeyPath(path, "target"));
    if (const Json* icon = Member(json, "icon"))
        node.m_strIcon = ReadText(*icon, KeyPath(path, "icon"));
    if (const Json* active = Member(json, "active"))
        node.m_bActive = ReadFlag(*active, KeyPath(path, "active"));
    if (const Json* list = Member(json, children))
        ReadChildren(*list, level, KeyPath(path, children), node);
    return node;
}

void ReadBreakpoints(const Json& list, CMapStringToString& map)
{
    ExpectArray(list, "breakpoints");
    std::span<const SettingField* const> fields = BreakpointRecordFields();
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string path = IndexPath("breakpoints", i);
        const Json& entry = list[i];
        ExpectObject(entry, path);
        CheckKeys(entry, path, {"key", "values", "record"}, "a breakpoint record");
        const Json* key = Member(entry, "key");
        if (!key)
            Fail(KeyPath(path, "key"), "missing");
        CString keyText = ReadText(*key, KeyPath(path, "key"));
        if (!IsBreakpointKey(keyText))
            Fail(KeyPath(path, "key"), "expected a breakpoint number as decimal text, like \"768\", not " + key->dump());
        // The map holds one record per key: a second would silently replace the first.
        CString ignored;
        if (map.Lookup(keyText, ignored))
            Fail(KeyPath(path, "key"), "breakpoint " + keyText.ToUtf8() + " is given twice");

        const Json* values = Member(entry, "values");
        const Json* record = Member(entry, "record");
        if (values && record)
            Fail(KeyPath(path, "record"), "give either values or record, not both");
        CString recordText;
        if (record) {
            recordText = ReadText(*record, KeyPath(path, "record"));
        } else if (values) {
            const std::string valuesPath = KeyPath(path, "values");
            ExpectObject(*values, valuesPath);
            for (const auto& item : values->items()) {
                const SettingField* field = FindSettingField(item.key());
                if (!field || field->recordPlace < 0)
                    Fail(KeyPath(valuesPath, item.key()), "unknown key; not one of the twelve breakpoint fields");
            }
            BreakpointValues read;
            for (size_t f = 0; f < fields.size(); ++f) {
                const char* name = fields[f]->name;
                const Json* value = Member(*values, name);
                if (!value)
                    Fail(KeyPath(valuesPath, name), "missing");
                read.values[f] = ReadNumber(*value, KeyPath(valuesPath, name), INT32_MIN, INT32_MAX);
            }
            recordText = FormatBreakpointRecord(read);
        } else {
            Fail(KeyPath(path, "values"), "missing");
        }
        map.SetAt(keyText, recordText);
    }
}

void CopyPersisted(CMenuSettings& from, std::span<const StoredField> layout, CMenuSettings& to)
{
    for (const StoredField& field : layout) {
        switch (field.kind) {
        case StoredField::Kind::Setting: CopySetting(*field.setting, from, to); break;
        case StoredField::Kind::Tree: to.m_arrButtons = std::move(from.m_arrButtons); break;
        case StoredField::Kind::Breakpoints: to.m_mapBreakpoints = std::move(from.m_mapBreakpoints); break;
        case StoredField::Kind::Version: break;
        }
    }
}

// Reads the parsed JSON into the persisted content of the menu.
void ReadMenu(const Json& json, const Generation& generation, CMenuSettings& menu)
{
    ExpectObject(json, "");
    CheckKeys(json, "", {"$schema", "generation", "settings", "buttons", "breakpoints"}, "a menu");

    if (const Json* schema = Member(json, "$schema"))
        ReadText(*schema, "$schema");
    if (const Json* name = Member(json, "generation")) {
        const std::string expected = Utf16ToUtf8(generation.moduleName);
        if (ReadText(*name, "generation").ToUtf8() != expected)
            Fail("generation", "this menu is for " + name->dump() + ", but is read as a " + expected + " menu");
    }

    // Built aside and copied in only when all of it has been read.
    CMenuSettings result;
    if (const Json* settings = Member(json, "settings"))
        ReadSettings(*settings, generation, result);
    if (const Json* buttons = Member(json, "buttons")) {
        ExpectArray(*buttons, "buttons");
        result.m_arrButtons.RemoveAll();
        for (size_t i = 0; i < buttons->size(); ++i)
            result.m_arrButtons.Add(ReadNode((*buttons)[i], 1, IndexPath("buttons", i)));
    }
    result.m_mapBreakpoints.RemoveAll();
    if (const Json* breakpoints = Member(json, "breakpoints"))
        ReadBreakpoints(*breakpoints, result.m_mapBreakpoints);
    else
        result.StoreBreakpointData();  // as a new object would: the record of its values under "-1"
    CopyPersisted(result, generation.storageLayout(), menu);
}

}  // namespace

MenuJsonShape ShapeOfMenuJson(std::string_view text, const Generation& generation)
{
    MenuJsonShape shape;
    const Json json = Json::parse(text.begin(), text.end(), nullptr, false, false);
    if (!json.is_object())
        return shape;
    if (const Json* schema = Member(json, "$schema"); schema && schema->is_string())
        shape.schema = schema->get<std::string>();
    const Json* settings = Member(json, "settings");
    shape.allSettings = settings && settings->is_object();
    for (const StoredField& entry : generation.storageLayout()) {
        if (shape.allSettings && entry.kind == StoredField::Kind::Setting)
            shape.allSettings = Member(*settings, entry.setting->name) != nullptr;
    }
    return shape;
}

std::string MenuToJson(const CMenuSettings& menu, const Generation& generation, const MenuJsonShape& shape)
{
    std::span<const StoredField> layout = generation.storageLayout();
    Json json = Json::object();
    if (!shape.schema.empty())
        json["$schema"] = shape.schema;
    json["generation"] = Utf16ToUtf8(generation.moduleName);
    if (Json settings = SettingsToJson(menu, layout, shape.allSettings); !settings.empty())
        json["settings"] = std::move(settings);
    Json buttons = Json::array();
    for (int i = 0; i < menu.m_arrButtons.GetSize(); ++i)
        buttons.push_back(NodeToJson(menu.m_arrButtons[i], 1, IndexPath("buttons", static_cast<size_t>(i))));
    json["buttons"] = std::move(buttons);
    if (shape.allSettings || !OnlyTheRecordOfTheSettings(menu))
        json["breakpoints"] = BreakpointsToJson(menu);
    return json.dump(2) + "\n";
}

void MenuFromJson(std::string_view text, const Generation& generation, CMenuSettings& menu)
{
    const Json json = Parse(text);
    try {
        ReadMenu(json, generation, menu);
    } catch (const Json::exception& e) {
        // Reading checks each value's type before it takes it, so this is not expected; but no
        // failure of the JSON library leaves as anything but a refusal of the menu.
        throw MenuJsonError("the JSON cannot be read as a menu: " + PlainMessage(e.what()));
    }
}

std::string MenuJsonToBlock(std::string_view json, const Generation& generation)
{
    CMenuSettings menu;
    MenuFromJson(json, generation, menu);
    std::vector<uint8_t> bytes;
    CArchive archive(bytes);
    menu.SerializeSettings(archive, generation.storageLayout());
    return std::string(bytes.begin(), bytes.end());
}

std::string BlockToMenuJson(std::string_view block, const Generation& generation, const MenuJsonShape& shape)
{
    CMenuSettings menu;
    // Only the block's own records, not the new object's default one.
    menu.m_mapBreakpoints.RemoveAll();
    CArchive archive(reinterpret_cast<const uint8_t*>(block.data()), block.size());
    menu.SerializeSettings(archive, generation.storageLayout());
    if (archive.GetRemaining() != 0)
        throw MenuJsonError(std::to_string(archive.GetRemaining()) + " bytes follow the end of the " +
                            Utf16ToUtf8(generation.moduleName) + " menu block (a block of the other generation?)");
    return MenuToJson(menu, generation, shape);
}

std::string NodesToJson(const std::vector<const CMenuItem*>& nodes, int level)
{
    Json json;
    if (nodes.size() == 1) {
        json = NodeToJson(*nodes.front(), level, "");
    } else {
        json = Json::array();
        for (size_t i = 0; i < nodes.size(); ++i)
            json.push_back(NodeToJson(*nodes[i], level, IndexPath("", i)));
    }
    return json.dump(2) + "\n";
}

namespace {

// The level a node object's keys show; 0 when they could be any.
int NodeLevel(const Json& node)
{
    if (!node.is_object())
        return 0;
    if (node.contains("groups") || node.contains("columns") || node.contains("columnSetting"))
        return 1;
    if (node.contains("links"))
        return 2;
    if (node.contains("url") || node.contains("items"))
        return 3;
    return 0;
}

}  // namespace

std::vector<CMenuItem> NodesFromJson(std::string_view text, int& level)
{
    const Json json = Parse(text);
    std::vector<CMenuItem> nodes;
    try {
        if (json.is_object() && json.contains("buttons")) {
            const Json& buttons = json["buttons"];
            ExpectArray(buttons, "buttons");
            for (size_t i = 0; i < buttons.size(); ++i)
                nodes.push_back(ReadNode(buttons[i], 1, IndexPath("buttons", i)));
            level = 1;
            return nodes;
        }
        if (json.is_object()) {
            level = NodeLevel(json);
            if (level == 0)
                Fail("", "not a button, group or link of a menu (none of groups, links or url)");
            nodes.push_back(ReadNode(json, level, ""));
            return nodes;
        }
        ExpectArray(json, "");
        if (json.empty())
            Fail("", "an empty list of nodes");
        level = NodeLevel(json[0]);
        if (level == 0)
            Fail("[0]", "not a button, group or link of a menu (none of groups, links or url)");
        for (size_t i = 0; i < json.size(); ++i) {
            if (NodeLevel(json[i]) != level)
                Fail(IndexPath("", i), "not of the same kind as the first node");
            nodes.push_back(ReadNode(json[i], level, IndexPath("", i)));
        }
    } catch (const Json::exception& e) {
        throw MenuJsonError("the JSON cannot be read as menu nodes: " + PlainMessage(e.what()));
    }
    return nodes;
}

bool IsMenuJsonPath(std::string_view path)
{
    if (path.size() < 5)
        return false;
    std::string_view tail = path.substr(path.size() - 5);
    const char* json = ".json";
    for (size_t i = 0; i < 5; ++i) {
        char ch = tail[i];
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
        if (ch != json[i])
            return false;
    }
    return true;
}
