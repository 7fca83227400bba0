// The menu's JSON Schema: written from the settings table at build time, and agreeing, by a real
// JSON Schema validator, with what the JSON form writes and reads.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "extension/generation.h"
#include "host/menu_files/menu_json.h"
#include "host/menu_files/menu_schema.h"
#include "model/breakpoint_record.h"
#include "tests/host/menu_files/random_menu.h"
#include "tests/support/run_trellis.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = TRELLIS_SOURCE_DIR;

// The validator's verdict on each file: "ok" or "invalid: where: why".
std::map<std::string, std::string> Validate(const fs::path& schema, const std::vector<fs::path>& files)
{
    std::string command = std::string(TRELLIS_SCHEMA_PYTHON) + " '" + (kSourceDir / "tests/host/menu_files/validate_json.py").string() + "' '" +
                          schema.string() + "'";
    for (const fs::path& file : files)
        command += " '" + file.string() + "'";
    command += " 2>&1";
    std::map<std::string, std::string> verdicts;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return verdicts;
    std::string output;
    char buffer[4096];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    const int status = pclose(pipe);
    EXPECT_EQ(status, 0) << output;
    for (size_t start = 0; start < output.size();) {
        size_t end = output.find('\n', start);
        const std::string line = output.substr(start, end - start);
        start = end == std::string::npos ? output.size() : end + 1;
        for (const fs::path& file : files) {
            const std::string path = file.string();
            if (line == "ok " + path)
                verdicts[path] = "ok";
            else if (line.rfind("invalid " + path + ":", 0) == 0)
                verdicts[path] = "invalid" + line.substr(8 + path.size());
        }
    }
    return verdicts;
}

const Generation& ByName(const std::string& name)
{
    return name == "Trellis" ? FirstGeneration() : SecondGeneration();
}

TEST(MenuSchema, TheBuildsSchemaIsTheTablesAndTheSourceCopyMatchesIt)
{
    const std::string schema = MenuJsonSchema();
    EXPECT_EQ(ReadFileBytes(TRELLIS_MENU_SCHEMA), schema) << "the build did not write the schema from the table";
    EXPECT_EQ(ReadFileBytes(kSourceDir / "schema/menu.schema.json"), schema)
        << "schema/menu.schema.json is out of date: copy " << TRELLIS_MENU_SCHEMA << " over it";
    // What the table says, where the schema says it.
    EXPECT_NE(schema.find("\"m_nEasing\": {\n          \"description\": \"Transition easing"), std::string::npos);
    EXPECT_NE(schema.find("\"minimum\": 0,\n          \"maximum\": 14"), std::string::npos);
    EXPECT_NE(schema.find("\"m_crMenuBackground\": {\n          \"description\": \"Bar background.\",\n          "
                          "\"$ref\": \"#/$defs/colourOrTransparent\""),
              std::string::npos);
}

// docs/menu-json.md names each narrower range ("`m_nEasing` 0–14") as the table holds it.
TEST(MenuSchema, TheGuideStatesTheTablesRanges)
{
    const std::string guide = ReadFileBytes(kSourceDir / "docs/menu-json.md");
    const std::regex range(R"((-?\d+)–(-?\d+))");
    int ranged = 0;
    for (const SettingField& field : SettingFields()) {
        if (field.kind != FieldKind::Number || !field.HasRange())
            continue;
        ++ranged;
        // The first mention followed on its line by a range.
        const std::string name = std::string("`") + field.name + "`";
        std::smatch found;
        std::string after;
        for (size_t at = guide.find(name); at != std::string::npos && found.empty(); at = guide.find(name, at + 1)) {
            after = guide.substr(at, guide.find('\n', at) - at);
            std::regex_search(after, found, range);
        }
        ASSERT_FALSE(found.empty()) << field.name << " has no range in the guide";
        EXPECT_EQ(found[1].str() + " to " + found[2].str(), std::to_string(field.low) + " to " + std::to_string(field.high))
            << field.name;
    }
    EXPECT_GT(ranged, 0);
}

// The shipped examples, new and sample menus of both generations exported by trellis, and random
// menus reaching every setting's range, all pass.
TEST(MenuSchema, TheExamplesAndEveryExportAreValid)
{
    TemporaryFolder work;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(kSourceDir / "examples")) {
        if (entry.path().extension() == ".json")
            files.push_back(entry.path());
    }
    ASSERT_GE(files.size(), 3u);

    for (const char* generation : {"Trellis", "Trellisv2"}) {
        const std::string g = generation;
        const std::vector<std::vector<std::string>> makers = {
            {"new", "--plugin", g, "-o", g + "-new.blk"},
            {"sample", "--plugin", g, "-o", g + "-sample.blk"},
            {"sample", "--plugin", g, "--library", "Material Icons", "--inline-svg", "-o", g + "-sample-svg.blk"},
        };
        for (const auto& make : makers) {
            RunResult made = RunTrellis(make, work.Path());
            ASSERT_EQ(made.status, 0) << made.err;
            const std::string block = make.back();
            const std::string json = block.substr(0, block.size() - 4) + ".json";
            RunResult exported = RunTrellis({"export", "--plugin", g, block, "-o", json}, work.Path());
            ASSERT_EQ(exported.status, 0) << exported.err;
            files.push_back(work / json);
        }
        for (uint32_t seed = 1; seed <= 25; ++seed) {
            CMenuSettings menu = RandomMenu(seed).Make(ByName(g));
            files.push_back(work.Write(g + "-random-" + std::to_string(seed) + ".json", MenuToJson(menu, ByName(g))));
        }
    }

    const auto verdicts = Validate(TRELLIS_MENU_SCHEMA, files);
    for (const fs::path& file : files) {
        auto found = verdicts.find(file.string());
        ASSERT_NE(found, verdicts.end()) << file << " got no verdict";
        EXPECT_EQ(found->second, "ok") << file;
    }
}

// For every setting of each generation: a value in range, at and past each end of its range, of
// the wrong type, "transparent", and a setting of the other generation. The schema accepts exactly
// what the JSON form's reader accepts.
TEST(MenuSchema, AcceptsExactlyWhatTheReaderAccepts)
{
    std::vector<std::pair<std::string, std::string>> documents;  // generation, JSON
    for (const char* generation : {"Trellis", "Trellisv2"}) {
        const std::string head = std::string(R"({"generation": ")") + generation + R"(", )";
        for (const SettingField& field : SettingFields()) {
            std::vector<std::string> values;
            switch (field.kind) {
            case FieldKind::Number:
                values = {"0", "\"1\"", "1.5", std::to_string(int64_t(field.low) - 1), std::to_string(field.low),
                          std::to_string(field.high), std::to_string(int64_t(field.high) + 1)};
                break;
            case FieldKind::Flag: values = {"true", "false", "1", "\"true\""}; break;
            case FieldKind::Colour: values = {"\"#A0b1C2\"", "\"#A0B1C\"", "\"transparent\"", "\"red\"", "255"}; break;
            case FieldKind::Text: values = {"\"x\"", "\"\"", "7", "null"}; break;
            }
            for (const std::string& value : values)
                documents.emplace_back(generation, head + R"("settings": {")" + field.name + "\": " + value + "}}");
        }
        std::string allValues;
        for (const SettingField* field : BreakpointRecordFields())
            allValues += std::string(allValues.empty() ? "" : ", ") + "\"" + field->name + "\": 1";
        const std::vector<std::string> entries = {
            R"({"key": "-1", "values": {)" + allValues + "}}",
            R"({"key": "-1", "values": {"m_nFontSize": 1}})",
            R"({"key": "-1", "values": {)" + allValues + R"(, "m_nEasing": 1}})",
            R"({"key": "768", "record": "14||16"})",
            R"({"key": "768", "record": "1", "values": {)" + allValues + "}}",
            R"({"key": "07", "record": "1"})",
            R"({"key": "-1"})",
        };
        for (const std::string& entry : entries)
            documents.emplace_back(generation, head + R"("breakpoints": [)" + entry + "]}");
        documents.emplace_back(generation, head + R"("buttons": [{"text": "A", "columns": 6}]})");
        documents.emplace_back(generation, head + R"("buttons": [{"text": "A", "columns": 7}]})");
        documents.emplace_back(generation, head + R"("buttons": [{"text": "A", "columns": 2, "columnSetting": "1"}]})");
    }

    TemporaryFolder work;
    std::vector<fs::path> files;
    for (size_t i = 0; i < documents.size(); ++i)
        files.push_back(work.Write("case-" + std::to_string(i) + ".json", documents[i].second));
    const auto verdicts = Validate(TRELLIS_MENU_SCHEMA, files);

    int accepted = 0;
    for (size_t i = 0; i < documents.size(); ++i) {
        const auto& [generation, json] = documents[i];
        CMenuSettings menu;
        std::string refusal;
        try {
            MenuFromJson(json, ByName(generation), menu);
        } catch (const MenuJsonError& e) {
            refusal = e.what();
        }
        auto found = verdicts.find(files[i].string());
        ASSERT_NE(found, verdicts.end()) << json;
        EXPECT_EQ(found->second == "ok", refusal.empty())
            << json << "\n  schema: " << found->second << "\n  reader: " << (refusal.empty() ? "reads it" : refusal);
        accepted += refusal.empty();
    }
    // Both verdicts occur often: the comparison is not vacuous.
    EXPECT_GT(accepted, 150);
    EXPECT_LT(accepted, static_cast<int>(documents.size()) - 150);
}

}  // namespace
