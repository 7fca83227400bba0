// trellis edit --breakpoint N, run in this process so that the test can answer the module's sheet:
// the Style page shows N's values, OK stores them as N's record, and the file keeps the default layout.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../../test_printers.h"
#include "extension/corvane_extension.h"
#include "extension/generation.h"
#include "host/cli/commands.h"
#include "platform/archive.h"
#include "tests/support/run_trellis.h"
#include "tests/support/temporary_folder.h"

namespace {

constexpr const char16_t* kDefaults = u"10|11|12|10|15|15|10|15|3|20|20|3";

// What to do with the properties sheet of the next edit; handed to the sheet once it is shown.
std::function<void(QDialog*)>& SheetAnswer()
{
    static std::function<void(QDialog*)> answer;
    return answer;
}

// Answers the sheet once it is shown, from inside its own event loop.
class SheetAnswerer : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("PropertiesSheet") && SheetAnswer()) {
            QPointer<QDialog> sheet = qobject_cast<QDialog*>(watched);
            QTimer::singleShot(0, [sheet, answer = std::exchange(SheetAnswer(), nullptr)] {
                if (sheet)
                    answer(sheet);
            });
        }
        return false;
    }
};

// Runs as each QApplication is made (inside the edit command), before the sheet opens.
void WatchForTheSheet()
{
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new SheetAnswerer);
}

int RunEdit(const std::vector<std::string>& arguments)
{
    static const bool watching = (qAddPreRoutine(WatchForTheSheet), true);
    (void)watching;
    const auto edit = std::find_if(AllCommands().begin(), AllCommands().end(),
                                   [](const Command& command) { return command.name == "edit"; });
    return edit->run(ParseArguments(arguments, AcceptedOptions(*edit)));
}

template <typename T>
T* Child(QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// The menu's font size on the Style page, as shown; sets it when given a size.
QString FontSize(QDialog* sheet, const QString& set = {})
{
    auto* sizes = Child<QComboBox>(sheet, "ctl5042");
    if (!sizes)
        return {};
    const QString shown = sizes->currentText();
    if (!set.isEmpty()) {
        // As a pick from the list does: the page takes the size when an entry is activated.
        const int index = sizes->findText(set);
        EXPECT_GE(index, 0) << set.toStdString();
        sizes->setCurrentIndex(index);
        emit sizes->activated(index);
    }
    return shown;
}

void PressOk(QDialog* sheet)
{
    if (auto* ok = Child<QAbstractButton>(sheet, "ctl1"))
        ok->click();
}

class TrellisEditBreakpoint : public ::testing::Test {
protected:
    // A second-generation block with a 768 record of font size 14.
    std::string WriteBlock()
    {
        CCorvaneExtension menu(SecondGeneration());
        menu.m_mapBreakpoints.SetAt(CString(u"768"), CString(u"14|11|12|30|15|15|30|15|3|20|20|3"));
        std::vector<uint8_t> bytes;
        CArchive archive(bytes);
        menu.Serialize(archive);
        return work.Write("menu.blk", std::string(bytes.begin(), bytes.end())).string();
    }

    static std::unique_ptr<CCorvaneExtension> Read(const std::string& path)
    {
        auto menu = std::make_unique<CCorvaneExtension>(SecondGeneration());
        const std::string bytes = ReadFileBytes(path);
        CArchive archive(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        menu->Serialize(archive);
        return menu;
    }

    static CString Record(const CCorvaneExtension& menu, const char16_t* key)
    {
        CString value;
        EXPECT_TRUE(menu.m_mapBreakpoints.Lookup(CString(key), value)) << CString(key).ToUtf8();
        return value;
    }

    void TearDown() override { SheetAnswer() = nullptr; }

    TemporaryFolder work{"trellis-edit-breakpoint"};
};

TEST_F(TrellisEditBreakpoint, TheStylePageEditsTheBreakpointsRecordAndTheFileKeepsTheDefaultLayout)
{
    const std::string block = WriteBlock();
    const std::string out = (work / "edited.blk").string();
    QString shown;
    SheetAnswer() = [&](QDialog* sheet) {
        shown = FontSize(sheet, QStringLiteral("16"));
        PressOk(sheet);
    };
    ASSERT_EQ(RunEdit({block, "--breakpoint", "768", "--plugin", "Trellisv2", "-o", out}), 0);
    EXPECT_EQ(shown, QStringLiteral("14"));

    const auto edited = Read(out);
    EXPECT_EQ(Record(*edited, u"768"), CString(u"16|11|12|30|15|15|30|15|3|20|20|3"));
    EXPECT_EQ(Record(*edited, u"-1"), CString(kDefaults));
    EXPECT_EQ(edited->BreakpointRecord(), CString(kDefaults)) << "the file's own fields hold the default layout";
}

TEST_F(TrellisEditBreakpoint, OkAtABreakpointWithoutRecordCreatesItFromTheDefaultLayout)
{
    const std::string block = WriteBlock();
    QString shown;
    SheetAnswer() = [&](QDialog* sheet) {
        shown = FontSize(sheet);
        PressOk(sheet);
    };
    ASSERT_EQ(RunEdit({block, "--breakpoint", "1024", "--plugin", "Trellisv2"}), 0);
    EXPECT_EQ(shown, QStringLiteral("10"));
    const auto edited = Read(block);
    EXPECT_EQ(Record(*edited, u"1024"), CString(kDefaults));
    EXPECT_EQ(Record(*edited, u"768"), CString(u"14|11|12|30|15|15|30|15|3|20|20|3"));
}

TEST_F(TrellisEditBreakpoint, ABreakpointThatIsNotAWholeNumberIsAUsageErrorBeforeAnythingOpens)
{
    const std::string block = WriteBlock();
    const std::string before = ReadFileBytes(block);
    for (const char* bad : {"wide", "7.5", "", "99999999999", "0x300"}) {
        SCOPED_TRACE(bad);
        const RunResult result = RunTrellis({"edit", block, "--breakpoint", bad, "--plugin", "Trellisv2"}, work.Path());
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find("--breakpoint must be a whole number"), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
    EXPECT_EQ(ReadFileBytes(block), before);
    const RunResult help = RunTrellis({"edit", "--help"}, work.Path());
    EXPECT_NE(help.out.find("--breakpoint N"), std::string::npos) << help.out;
}

}  // namespace
