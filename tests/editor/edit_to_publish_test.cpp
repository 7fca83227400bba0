// From the default menu to a published page through the editor's own widgets: what trellis edit
// runs, driven as a designer would, then stored as trellis edit stores it and published by the
// built trellis program.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "editor/color_picker.h"
#include "editor/color_popup.h"
#include "editor/history_combo.h"
#include "editor/properties_sheet.h"
#include "extension/properties_editor.h"
#include "host/cli/commands.h"
#include "host/cli/host_options.h"
#include "host/menu_files/menu_files.h"
#include "tests/editor/editor_test_support.h"
#include "tests/editor/settings_sandbox.h"
#include "tests/support/run_trellis.h"
#include "tests/support/temporary_folder.h"

namespace {

// The site the designer works on: the page being edited, and a folder with a page that has bookmarks.
constexpr std::string_view kSite =
    "<site>"
    "<page name=\"Home\" url=\"./index.html\" current_page=\"true\"/>"
    "<folder name=\"Products\">"
    "<page name=\"Pricing\" url=\"./products/pricing.html\"><bookmark name=\"plans\"/><bookmark name=\"faq\"/></page>"
    "</folder>"
    "<page name=\"About\" url=\"./about.html\"/>"
    "</site>";

// ---- What a user does with the mouse and the keyboard.

void Type(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Types at the end of what the field holds ("mailto:" waits for the address).
void TypeAfter(QLineEdit* field, const QString& text)
{
    field->end(false);
    QTest::keyClicks(field, text);
}

void Choose(QComboBox* list, const QString& entry)
{
    const int index = list->findText(entry, Qt::MatchExactly);
    ASSERT_GE(index, 0) << entry.toStdString();
    ChooseEntry(list, index);
}

QTreeWidgetItem* FindItem(QTreeWidget* tree, const QString& text)
{
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    EXPECT_EQ(found.size(), 1) << text.toStdString();
    return found.value(0);
}

void ClickItem(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

void DoubleClickItem(QTreeWidget* tree, QTreeWidgetItem* item)
{
    ClickItem(tree, item);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

void Click(QWidget* dialog, const char* button) { Child<QPushButton>(dialog, button)->click(); }

// Clicks `button` in `dialog` and lets `answer` work the dialog that opens; `answer` must close it.
void ClickAndAnswer(QWidget* dialog, const char* button, std::function<void(QDialog*)> answer)
{
    AnswerNextModal(std::move(answer));
    Click(dialog, button);
}

int PaletteBox(std::u16string_view name)
{
    const auto colours = PaletteColours();
    for (size_t i = 0; i < colours.size(); ++i) {
        if (name == colours[i].name)
            return static_cast<int>(i);
    }
    ADD_FAILURE() << "no palette colour of that name";
    return 0;
}

// Opens the colour button's palette and clicks one of its boxes.
void PickColour(QWidget* page, const char* button, int box)
{
    auto* picker = Child<CColorPicker>(page, button);
    QTest::mouseClick(picker, Qt::LeftButton);
    CColorPopup* popup = picker->Popup();
    ASSERT_NE(popup, nullptr) << button;
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->BoxRect(box).center());
    EXPECT_FALSE(picker->IsPopupOpen()) << button;
}

// "More Colors...": the colour typed into the colour dialog's HTML field.
void PickCustomColour(QWidget* page, const char* button, const QString& html)
{
    AnswerNextModal([html](QDialog* dialog) {
        QLineEdit* field = nullptr;
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->text().contains(QLatin1String("HTML")))
                field = qobject_cast<QLineEdit*>(label->buddy());
        }
        EXPECT_NE(field, nullptr) << "the colour dialog's HTML field";
        if (field) {
            field->selectAll();
            QTest::keyClicks(field, html);
        }
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    auto* picker = Child<CColorPicker>(page, button);
    QTest::mouseClick(picker, Qt::LeftButton);
    CColorPopup* popup = picker->Popup();
    ASSERT_NE(popup, nullptr) << button;
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->BoxRect(CColorPopup::kCustomBox).center());
}

// ---- The dialogs, each worked as the designer works it.

void AddGroup(QDialog* buttonEditor, const QString& name)
{
    ClickAndAnswer(buttonEditor, "ctl751", [name](QDialog* group) {
        EXPECT_EQ(group->windowTitle(), QStringLiteral("Add Group"));
        Type(Child<QLineEdit>(group, "ctl142"), name);
        Click(group, "ctl1");
    });
}

// Selects the group in the button editor's tree, then adds a link to it in the link editor.
void AddLink(QDialog* buttonEditor, const QString& group, std::function<void(QDialog*)> fillIn)
{
    auto* tree = Child<QTreeWidget>(buttonEditor, "ctl346");
    ClickItem(tree, FindItem(tree, group));
    ClickAndAnswer(buttonEditor, "ctl750", [fillIn](QDialog* link) {
        EXPECT_EQ(link->windowTitle(), QStringLiteral("Link"));
        fillIn(link);
        auto* ok = Child<QPushButton>(link, "ctl1");
        EXPECT_TRUE(ok->isEnabled());
        ok->click();
    });
}

void PageLink(QDialog* link)
{
    Type(Child<QLineEdit>(link, "ctl142"), QStringLiteral("Pricing plans"));
    Choose(Child<QComboBox>(link, "ctl148"), QStringLiteral("Page in this project"));
    ClickAndAnswer(link, "ctl192", [](QDialog* picker) {
        EXPECT_EQ(picker->windowTitle(), QStringLiteral("Select Page"));
        auto* tree = Child<QTreeWidget>(picker, "ctl1006");
        // A folder opens on a double click and is never chosen.
        QTreeWidgetItem* folder = FindItem(tree, QStringLiteral("Products"));
        DoubleClickItem(tree, folder);
        EXPECT_TRUE(picker->isVisible());
        EXPECT_TRUE(folder->isExpanded());
        ClickItem(tree, FindItem(tree, QStringLiteral("Pricing")));
        Click(picker, "ctl1");
    });
    EXPECT_EQ(Child<QLineEdit>(link, "ctl434")->text(), QStringLiteral("Pricing"));
    Choose(Child<QComboBox>(link, "ctl265"), QStringLiteral("plans"));
}

void WebAddressInANewWindow(QDialog* link)
{
    Type(Child<QLineEdit>(link, "ctl142"), QStringLiteral("Partner offers"));
    QLineEdit* address = Child<CHistoryCombo>(link, "ctl5040")->lineEdit();
    EXPECT_EQ(address->text(), QStringLiteral("http://"));  // a new link starts as a web address
    Type(address, QStringLiteral("https://partner.example.org/offers"));
    Choose(Child<QComboBox>(link, "ctl689"), QStringLiteral("Open in a new browser window"));
}

void EmailAddress(QDialog* link)
{
    Type(Child<QLineEdit>(link, "ctl142"), QStringLiteral("Write to us"));
    Choose(Child<QComboBox>(link, "ctl148"), QStringLiteral("Email address"));
    TypeAfter(Child<CHistoryCombo>(link, "ctl5040")->lineEdit(), QStringLiteral("sales@example.com"));
}

void LocalFile(QDialog* link, const QString& path)
{
    Type(Child<QLineEdit>(link, "ctl142"), QStringLiteral("Brochure"));
    Choose(Child<QComboBox>(link, "ctl148"), QStringLiteral("File"));
    ClickAndAnswer(link, "ctl128", [path](QDialog* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!files || !name) {
            ADD_FAILURE() << "Browse did not open Qt's own file dialog";
            dialog->reject();
            return;
        }
        // The whole path at once: typed key by key, the dialog's completer selects every folder on the way.
        name->setText(path);
        files->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
    });
    EXPECT_EQ(Child<QLineEdit>(link, "ctl127")->text(), path);
}

void BuildTheServicesButton(QDialog* editor, const QString& brochure)
{
    Type(Child<QLineEdit>(editor, "ctl5048"), QStringLiteral("Services"));
    Choose(Child<QComboBox>(editor, "ctl5065"), QStringLiteral("briefcase"));
    Choose(Child<QComboBox>(editor, "ctl5049"), QStringLiteral("3"));
    for (const char* group : {"Shop", "Partners", "Get in touch"})
        AddGroup(editor, QString::fromUtf8(group));
    AddLink(editor, QStringLiteral("Shop"), PageLink);
    AddLink(editor, QStringLiteral("Partners"), WebAddressInANewWindow);
    AddLink(editor, QStringLiteral("Get in touch"), EmailAddress);
    AddLink(editor, QStringLiteral("Shop"), [brochure](QDialog* link) { LocalFile(link, brochure); });
    Click(editor, "ctl1");
}

// The face the designer picks: one other than the default's, from those installed.
QString PickFace(QComboBox* fonts)
{
    for (const char* face : {"DejaVu Serif", "Liberation Serif", "Noto Serif", "FreeSerif"}) {
        if (fonts->findText(QString::fromUtf8(face), Qt::MatchExactly) >= 0)
            return QString::fromUtf8(face);
    }
    return fonts->itemText(fonts->count() - 1);
}

void RestyleTheMenu(QDialog* sheet, QString& face)
{
    auto* tabs = Child<QTabWidget>(sheet, "PropertiesTabs");
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
    QWidget* style = tabs->currentWidget();
    ASSERT_EQ(style->objectName(), QStringLiteral("StylePage"));

    auto* fonts = Child<QComboBox>(style, "ctl5043");
    face = PickFace(fonts);
    Choose(fonts, face);
    Choose(Child<QComboBox>(style, "ctl5042"), QStringLiteral("16"));
    Choose(Child<QComboBox>(style, "ctl5047"), QStringLiteral("18"));

    PickColour(style, "ctl153", PaletteBox(u"Midnight Blue"));  // the bar
    PickColour(style, "ctl149", PaletteBox(u"Ivory"));          // its text
    PickColour(style, "ctl155", CColorPopup::kDefaultBox);       // the panel: transparent
    PickColour(style, "ctl157", PaletteBox(u"Crimson"));        // the panel's text on hover
    PickColour(style, "ctl164", PaletteBox(u"Dark Green"));     // the group titles
    PickCustomColour(style, "ctl156", QStringLiteral("#123456"));  // the panel's shadow
}

// Lines as the published files end them.
std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

// The text from `selector` to the next "}": one rule of the stylesheet.
std::string Rule(const std::string& css, const std::string& selector)
{
    const size_t at = css.find(selector + "\r\n{");
    if (at == std::string::npos)
        return "(no rule " + selector + ")";
    return css.substr(at, css.find('}', at) - at);
}

class EditToPublish : public ::testing::Test {
protected:
    void SetUp() override { UseSandboxSettings(); }
    void TearDown() override
    {
        InstallPropertiesEditor(nullptr);
        EXPECT_EQ(PendingModalAnswers(), 0) << "a dialog the test answers never opened";
        PendingModalAnswers() = 0;
    }
};

TEST_F(EditToPublish, AButtonWithThreeGroupsOfEveryKindOfLinkAndNewStylesReachesThePublishedPage)
{
    TemporaryFolder work("trellis-edit-publish");
    const std::string block = (work / "menu.blk").string();
    const std::string site = work.Write("site.xml", kSite).string();
    const std::string brochureBytes = "%PDF-1.4 the brochure\n";
    const QString brochure = QString::fromStdString(work.Write("files/brochure.pdf", brochureBytes).string());
    ASSERT_EQ(RunTrellis({"new", "--plugin", "Trellisv2", "-o", block}, work.Path()).status, 0);

    // What trellis edit menu.blk --site site.xml does, with this program's application: the
    // module's editor installed, the host's settings given, the block loaded, the sheet run.
    const auto edit = std::find_if(AllCommands().begin(), AllCommands().end(),
                                   [](const Command& command) { return command.name == "edit"; });
    ASSERT_NE(edit, AllCommands().end());
    const ParsedArguments args = ParseArguments({block, "--site", site, "--plugin", "Trellisv2"}, AcceptedOptions(*edit));
    std::unique_ptr<CCorvaneExtension> menu = CreateInspectionObject(args);
    LoadBlock(*menu, block);
    InstallPropertiesEditor(&RunPropertiesSheet);

    QString face;
    bool sheetClosed = false;
    AnswerNextModal([&](QDialog* sheet) {
        EXPECT_EQ(sheet->objectName(), QStringLiteral("PropertiesSheet"));
        const int buttonsBefore = Child<QListWidget>(sheet, "ctl5026")->count();
        ClickAndAnswer(sheet, "ctl5027", [&](QDialog* editor) { BuildTheServicesButton(editor, brochure); });
        EXPECT_EQ(Child<QListWidget>(sheet, "ctl5026")->count(), buttonsBefore + 1);
        RestyleTheMenu(sheet, face);
        Click(sheet, "ctl1");
        sheetClosed = !sheet->isVisible();
    });
    menu->Properties(nullptr);
    ASSERT_TRUE(sheetClosed);
    ASSERT_EQ(PendingModalAnswers(), 0);
    WriteOutputFile(block, StoreBlock(*menu));

    const std::filesystem::path out = work / "site";
    const RunResult published = RunTrellis({"publish", block, "--plugin", "Trellisv2", "--out", out.string()}, work.Path());
    ASSERT_EQ(published.status, 0) << published.err;
    const std::string page = ReadFileBytes(out / "index.html");
    const std::string css = ReadFileBytes(out / "MegaMenu1.css");

    // The button with its icon and its panel of three columns: each group under its title with
    // its links, every kind of link with its published address.
    const std::string panel = Lines({
        R"(      <div class="dropdown">)",
        R"(         <button class="dropbtn"><i class="fa fa-briefcase"></i>Services <b class="caret"></b></button>)",
        R"(         <div class="dropdown-content">)",
        R"(            <div class="row">)",
        R"(            <div class="column col-33">)",
        R"(                 <div class="title">Shop</div>)",
        R"(                  <a href="./products/pricing.html#plans">Pricing plans</a>)",
        R"(                  <a href="./brochure.pdf">Brochure</a>)",
        R"(            </div>)",
        R"(            <div class="column col-33">)",
        R"(                 <div class="title">Partners</div>)",
        R"(                  <a href="https://partner.example.org/offers" target="_blank">Partner offers</a>)",
        R"(            </div>)",
        R"(            <div class="column col-33">)",
        R"(                 <div class="title">Get&nbsp;in&nbsp;touch</div>)",
        R"(                  <a href="mailto:sales@example.com">Write to us</a>)",
        R"(            </div>)",
        R"(            </div>)",
        R"(         </div>)",
        R"(      </div>)",
    });
    EXPECT_NE(page.find(panel), std::string::npos) << page;
    EXPECT_EQ(ReadFileBytes(out / "brochure.pdf"), brochureBytes);
    EXPECT_NE(published.out.find("copied linked file"), std::string::npos) << published.out;

    // Every colour and font chosen on the Style page.
    const std::string bar = Rule(css, "#MegaMenu1");
    EXPECT_NE(bar.find("background-color: #191970;"), std::string::npos) << bar;
    EXPECT_NE(bar.find("font-family: " + face.toStdString() + ";"), std::string::npos) << bar;
    EXPECT_NE(bar.find("font-size: 21px;"), std::string::npos) << bar;  // 16 points
    EXPECT_NE(Rule(css, "#MegaMenu1 a ").find("color: #FFFFF0;"), std::string::npos) << css;
    const std::string content = Rule(css, "#MegaMenu1 .dropdown-content ");
    EXPECT_NE(content.find("background-color: transparent;"), std::string::npos) << content;
    EXPECT_NE(content.find("rgba(18,52,86,"), std::string::npos) << content;
    EXPECT_NE(Rule(css, "#MegaMenu1 .column a:hover").find("color: #DC143C;"), std::string::npos) << css;
    const std::string titles = Rule(css, "#MegaMenu1 .title");
    EXPECT_NE(titles.find("color: #006400;"), std::string::npos) << titles;
    EXPECT_NE(titles.find("font-size: 24px;"), std::string::npos) << titles;  // 18 points
    EXPECT_NE(published.out.find("text fonts " + face.toStdString()), std::string::npos) << published.out;
}

// trellis edit on a JSON menu written by hand, then OK without a change: the file is left as it
// was, byte for byte, its "$schema" and layout included.
TEST_F(EditToPublish, OkOnAnUnchangedJsonMenuLeavesItsFileAsItWas)
{
    TemporaryFolder work("trellis-edit-json");
    const std::string shop = ReadFileBytes(std::string(TRELLIS_SOURCE_DIR) + "/examples/shop.json");
    const std::string path = work.Write("shop.json", shop).string();
    const auto edit = std::find_if(AllCommands().begin(), AllCommands().end(),
                                   [](const Command& command) { return command.name == "edit"; });
    ASSERT_NE(edit, AllCommands().end());
    const ParsedArguments args = ParseArguments({path, "--plugin", "Trellisv2"}, AcceptedOptions(*edit));
    std::unique_ptr<CCorvaneExtension> menu = CreateInspectionObject(args);
    LoadMenuFile(*menu, menu->GetGeneration(), path);
    InstallPropertiesEditor(&RunPropertiesSheet);
    AnswerNextModal([&](QDialog* sheet) { Click(sheet, "ctl1"); });
    menu->Properties(nullptr);
    ASSERT_EQ(PendingModalAnswers(), 0);
    StoreMenuFile(*menu, menu->GetGeneration(), path);
    EXPECT_EQ(ReadFileBytes(path), shop);
}

}  // namespace
