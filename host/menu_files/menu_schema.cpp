// The menu's JSON Schema: the settings from the settings table (kind, range, transparency, which
// generation stores them), the tree and the breakpoint records as the JSON form reads them.
#include "host/menu_files/menu_schema.h"

#include <nlohmann/json.hpp>

#include "host/loader/generations.h"
#include "model/breakpoint_record.h"
#include "model/storage_layout.h"

namespace {

using Json = nlohmann::ordered_json;

Json Reference(const char* definition) { return {{"$ref", std::string("#/$defs/") + definition}}; }

Json SettingSchema(const SettingField& field)
{
    Json schema = {{"description", field.description}};
    switch (field.kind) {
    case FieldKind::Number:
        if (field.HasRange()) {
            schema["type"] = "integer";
            schema["minimum"] = field.low;
            schema["maximum"] = field.high;
        } else {
            schema.update(Reference("int32"));
        }
        break;
    case FieldKind::Flag: schema["type"] = "boolean"; break;
    case FieldKind::Colour: schema.update(Reference(field.mayBeTransparent ? "colourOrTransparent" : "colour")); break;
    case FieldKind::Text: schema["type"] = "string"; break;
    }
    return schema;
}

bool StoredByEvery(const SettingField& field)
{
    for (const Generation* generation : KnownGenerations()) {
        if (!LayoutStores(generation->storageLayout(), field))
            return false;
    }
    return true;
}

// " Only in Trellis: m_crDivider; only in Trellisv2: m_crShadow, ...."
std::string GenerationOnlyText()
{
    std::string text;
    for (const Generation* generation : KnownGenerations()) {
        std::string names;
        for (const SettingField& field : SettingFields()) {
            if (!StoredByEvery(field) && LayoutStores(generation->storageLayout(), field))
                names += (names.empty() ? "" : ", ") + std::string(field.name);
        }
        if (names.empty())
            continue;
        text += (text.empty() ? " Only in " : "; only in ") + GenerationName(*generation) + ": " + names;
    }
    return text.empty() ? text : text + ".";
}

Json SettingsSchema()
{
    Json properties = Json::object();
    for (const SettingField& field : SettingFields())
        properties[field.name] = SettingSchema(field);
    return {{"type", "object"},
            {"additionalProperties", false},
            {"properties", std::move(properties)},
            {"description", "The stored settings by field name." + GenerationOnlyText()}};
}

// For each generation: when the menu names it, no setting that its block does not store.
Json GenerationRules()
{
    Json rules = Json::array();
    for (const Generation* generation : KnownGenerations()) {
        Json absent = Json::array();
        for (const SettingField& field : SettingFields()) {
            if (!LayoutStores(generation->storageLayout(), field))
                absent.push_back({{"required", {field.name}}});
        }
        if (absent.empty())
            continue;
        rules.push_back(
            {{"if", {{"required", {"generation"}}, {"properties", {{"generation", {{"const", GenerationName(*generation)}}}}}}},
             {"then", {{"properties", {{"settings", {{"not", {{"anyOf", std::move(absent)}}}}}}}}}});
    }
    return rules;
}

Json BreakpointSchema()
{
    Json required = Json::array();
    Json properties = Json::object();
    for (const SettingField* field : BreakpointRecordFields()) {
        required.push_back(field->name);
        properties[field->name] = Reference("int32");
    }
    Json schema = Json::parse(R"({
      "type": "object",
      "additionalProperties": false,
      "required": ["key"],
      "oneOf": [{"required": ["values"]}, {"required": ["record"]}],
      "properties": {
        "key": {
          "type": "string",
          "pattern": "^(0|-?[1-9][0-9]*)$",
          "description": "The host breakpoint number as decimal text; \"-1\" is the record in effect from the start."
        },
        "values": {"type": "object", "additionalProperties": false},
        "record": {
          "type": "string",
          "description": "The stored record text, for one that is not twelve numbers joined by \"|\"."
        }
      }
    })");
    Json& values = schema["properties"]["values"];
    values["required"] = std::move(required);
    values["properties"] = std::move(properties);
    return schema;
}

// The tree: what the JSON form's reader takes at each level.
const char* const kTreeDefinitions = R"({
  "button": {
    "type": "object",
    "additionalProperties": false,
    "required": ["text"],
    "not": {"required": ["columns", "columnSetting"]},
    "properties": {
      "text": {"type": "string", "description": "The caption (published entity-encoded)."},
      "icon": {"type": "string", "description": "An icon name of the chosen library."},
      "columns": {
        "type": "integer",
        "minimum": 1,
        "maximum": 6,
        "description": "Columns of the drop-down panel. Left out (with columnSetting): 1."
      },
      "columnSetting": {
        "type": "string",
        "description": "The stored column setting as text, for a block that holds one other than \"0\" to \"5\"; instead of columns."
      },
      "target": {"type": "string"},
      "active": {"type": "boolean", "description": "The button editor's \"Active\" flag; nothing publishes it."},
      "groups": {
        "type": "array",
        "items": {"$ref": "#/$defs/group"},
        "description": "The columns of the panel. With more than one link in the first group the button opens a panel; with one it is a link to it."
      }
    }
  },
  "group": {
    "type": "object",
    "additionalProperties": false,
    "required": ["text"],
    "properties": {
      "text": {"type": "string", "description": "The heading (published as it stands, blanks as &nbsp;); may be empty."},
      "url": {"type": "string", "description": "Left out for a group; a node here whose link slot is not \"PARENT\" keeps it."},
      "icon": {"type": "string"},
      "target": {"type": "string"},
      "active": {"type": "boolean"},
      "links": {"type": "array", "items": {"$ref": "#/$defs/link"}}
    }
  },
  "link": {
    "type": "object",
    "additionalProperties": false,
    "required": ["text", "url"],
    "properties": {
      "text": {"type": "string", "description": "The link text (published as it stands); \"---\" makes a divider."},
      "url": {
        "type": "string",
        "description": "The address: a web address, a page, \"mailto:...\", or \"file://PATH\" for a local file that publishing copies."
      },
      "target": {"type": "string", "description": "A window or frame name such as \"_blank\"."},
      "icon": {"type": "string"},
      "active": {"type": "boolean"},
      "items": {
        "type": "array",
        "items": {"$ref": "#/$defs/link"},
        "description": "Nodes below a link: kept in the block, never published."
      }
    }
  }
})";

Json Definitions()
{
    Json definitions = {
        {"int32", {{"type", "integer"}, {"minimum", INT32_MIN}, {"maximum", INT32_MAX}}},
        {"colour", {{"type", "string"}, {"pattern", "^#[0-9A-Fa-f]{6}$"}, {"description", "\"#RRGGBB\"."}}},
        {"colourOrTransparent",
         {{"anyOf", {Reference("colour"), {{"const", "transparent"}}}},
          {"description", "\"#RRGGBB\" or \"transparent\"."}}},
    };
    const Json tree = Json::parse(kTreeDefinitions);
    for (const auto& [name, definition] : tree.items())
        definitions[name] = definition;
    definitions["breakpoint"] = BreakpointSchema();
    return definitions;
}

std::string NamesJoinedBy(const char* separator)
{
    std::string names;
    for (const Generation* generation : KnownGenerations())
        names += (names.empty() ? "" : separator) + GenerationName(*generation);
    return names;
}

}  // namespace

std::string MenuJsonSchema()
{
    Json generations = Json::array();
    for (const Generation* generation : KnownGenerations())
        generations.push_back(GenerationName(*generation));

    Json schema = Json::object();
    schema["$schema"] = "https://json-schema.org/draft/2020-12/schema";
    schema["title"] = "Trellis menu";
    schema["description"] = "A whole " + NamesJoinedBy(" or ") +
                            " menu object: its stored settings, its buttons with their groups and links, and its "
                            "breakpoint records. Every key is optional; what is left out takes the value of a new "
                            "menu object. See docs/menu-json.md.";
    schema["type"] = "object";
    schema["additionalProperties"] = false;
    schema["properties"] = {
        {"$schema", {{"type", "string"}, {"description", "Where editors find this schema; ignored by trellis."}}},
        {"generation",
         {{"enum", std::move(generations)},
          {"description", "The generation the menu is for; when given, it must be the one --plugin names."}}},
        {"settings", SettingsSchema()},
        {"buttons",
         {{"type", "array"},
          {"items", Reference("button")},
          {"description", "The buttons of the bar, in order. Left out: the four-button default menu."}}},
        {"breakpoints",
         {{"type", "array"},
          {"items", Reference("breakpoint")},
          {"description", "The breakpoint records in stored order, each key once. Left out: one record under \"-1\" "
                          "holding the settings' values."}}},
    };
    schema["allOf"] = GenerationRules();
    schema["$defs"] = Definitions();
    return schema.dump(2) + "\n";
}
