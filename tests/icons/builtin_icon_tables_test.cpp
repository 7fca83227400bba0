// Tests for the compiled-in Font Awesome and Material Icons name tables.
#include "icons/builtin_icon_tables.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/files.h"

namespace {

std::string Utf8(std::u16string_view text)
{
    return CString(text).ToUtf8();
}

struct Row {
    std::string name;
    unsigned code;
};

std::vector<Row> Rows(std::span<const BuiltinIconRow> table)
{
    std::vector<Row> rows;
    for (const BuiltinIconRow& row : table)
        rows.push_back({Utf8(row.name), row.code});
    return rows;
}

std::vector<Row> RowsOfDataFile(const char* file)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(std::string(TRELLIS_SOURCE_DIR) + "/icons/data/" + file, bytes)) << file;
    std::vector<Row> rows;
    std::istringstream in(bytes);
    std::string line;
    while (std::getline(in, line)) {
        size_t tab = line.find('\t');
        rows.push_back({line.substr(0, tab), static_cast<unsigned>(std::stoul(line.substr(tab + 1), nullptr, 16))});
    }
    return rows;
}

// Code points with the names that share them, for codes that have more than one row.
std::map<unsigned, std::vector<std::string>> SharedCodes(const std::vector<Row>& rows)
{
    std::map<unsigned, std::vector<std::string>> byCode;
    for (const Row& row : rows)
        byCode[row.code].push_back(row.name);
    std::erase_if(byCode, [](const auto& entry) { return entry.second.size() < 2; });
    return byCode;
}

// Rows whose name does not sort after the previous row's in byte order.
std::vector<std::string> OutOfOrder(const std::vector<Row>& rows)
{
    std::vector<std::string> found;
    for (size_t i = 1; i < rows.size(); ++i) {
        if (!(rows[i - 1].name < rows[i].name))
            found.push_back(rows[i - 1].name + " > " + rows[i].name);
    }
    return found;
}

}  // namespace

TEST(BuiltinIconTables, AreTheDataFilesRowForRow)
{
    const struct {
        std::span<const BuiltinIconRow> table;
        const char* file;
    } tables[] = {
        {FontAwesomeTable(), "fontawesome4.tsv"},
        {MaterialIconsTable(), "material-icons.tsv"},
    };
    for (const auto& t : tables) {
        std::vector<Row> compiled = Rows(t.table);
        std::vector<Row> data = RowsOfDataFile(t.file);
        ASSERT_EQ(compiled.size(), data.size()) << t.file;
        for (size_t i = 0; i < data.size(); ++i) {
            EXPECT_EQ(compiled[i].name, data[i].name) << t.file << " row " << i;
            EXPECT_EQ(compiled[i].code, data[i].code) << t.file << " row " << i;
        }
    }
}

TEST(BuiltinIconTables, FontAwesomeHasItsFixedShape)
{
    std::vector<Row> rows = Rows(FontAwesomeTable());
    ASSERT_EQ(rows.size(), 636u);
    ASSERT_EQ(static_cast<int>(rows.size()), kFontAwesomeRowCount);

    const Row first[] = {{"500px", 0xF26E}, {"adjust", 0xF042}, {"adn", 0xF170}, {"align-center", 0xF037}};
    for (size_t i = 0; i < std::size(first); ++i) {
        EXPECT_EQ(rows[i].name, first[i].name);
        EXPECT_EQ(rows[i].code, first[i].code);
    }

    std::set<unsigned> codes;
    std::set<std::string> names;
    for (const Row& row : rows) {
        codes.insert(row.code);
        names.insert(row.name);
    }
    EXPECT_EQ(codes.size(), 633u);
    EXPECT_EQ(names.size(), rows.size()) << "a name is listed twice";
    EXPECT_EQ(*codes.begin(), 0xF000u);
    EXPECT_EQ(*codes.rbegin(), 0xF2B4u);
    // f22d is where later releases put "genderless"; this table has it at f1db instead.
    EXPECT_EQ(codes.count(0xF22D), 0u);

    const std::map<unsigned, std::vector<std::string>> shared = {
        {0xF09A, {"facebook", "facebook-f"}},
        {0xF156, {"inr", "rupee"}},
        {0xF1DB, {"circle-thin", "genderless"}},
    };
    EXPECT_EQ(SharedCodes(rows), shared);

    // Aliases of other icons are left out.
    for (const char* alias : {"navicon", "reorder", "remove", "close", "warning"})
        EXPECT_EQ(names.count(alias), 0u) << alias;
}

TEST(BuiltinIconTables, FontAwesomeIsSortedButForThreeKeptExceptions)
{
    const std::vector<std::string> expected = {
        "comments-o > commenting",
        "forumbee > font-awesome",
        "hourglass-start > hourglass-half",
    };
    EXPECT_EQ(OutOfOrder(Rows(FontAwesomeTable())), expected);
}

TEST(BuiltinIconTables, MaterialIconsHasItsFixedShape)
{
    std::vector<Row> rows = Rows(MaterialIconsTable());
    ASSERT_EQ(rows.size(), 932u);
    ASSERT_EQ(static_cast<int>(rows.size()), kMaterialIconsRowCount);
    EXPECT_EQ(rows.front().name, "3d rotation");
    EXPECT_EQ(rows.front().code, 0xE84Du);
    EXPECT_EQ(rows.back().name, "zoom out map");
    EXPECT_EQ(rows.back().code, 0xE56Bu);

    EXPECT_TRUE(OutOfOrder(rows).empty()) << OutOfOrder(rows).front();
    EXPECT_TRUE(SharedCodes(rows).empty());
    std::set<unsigned> codes;
    for (const Row& row : rows) {
        codes.insert(row.code);
        EXPECT_EQ(row.name.find('_'), std::string::npos) << row.name;
    }
    EXPECT_EQ(*codes.begin(), 0xE000u);
    EXPECT_EQ(*codes.rbegin(), 0xEB4Cu);
}
