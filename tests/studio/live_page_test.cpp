// The live page: the published menu in the web engine, where pointing at a button opens its panel,
// shown at the width chosen and rebuilt after a change.
#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "tests/studio/studio_fixture.h"

namespace {

// The page's answer to a script, waited for in the event loop.
QVariant Evaluate(QWebEngineView* view, const QString& script)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    view->page()->runJavaScript(script, [result](const QVariant& value) { *result = value; });
    if (!QTest::qWaitFor([result] { return result->has_value(); }, 10000))
        return QStringLiteral("(no answer)");
    return **result;
}

const QString kPanelDisplay = QStringLiteral(
    "getComputedStyle(document.querySelector('.dropdown .dropdown-content')).display");

using LivePageTest = StudioTest;

TEST_F(LivePageTest, PointingAtAButtonOpensItsPanel)
{
    auto window = MakeWindow();
    QWebEngineView* view = window->livePage()->view();
    EXPECT_EQ(Evaluate(view, kPanelDisplay).toString(), QStringLiteral("none"));

    const QJsonObject box = QJsonDocument::fromJson(
        Evaluate(view, QStringLiteral("JSON.stringify(document.querySelector('.dropdown').getBoundingClientRect())"))
            .toString()
            .toUtf8()).object();
    const QPoint middle(int(box[QStringLiteral("x")].toDouble() + box[QStringLiteral("width")].toDouble() / 2),
                        int(box[QStringLiteral("y")].toDouble() + box[QStringLiteral("height")].toDouble() / 2));
    ASSERT_GT(middle.x(), 0);
    QWidget* surface = view->focusProxy() ? view->focusProxy() : view;
    QTest::mouseMove(surface, middle + QPoint(1, 1));
    QTest::mouseMove(surface, middle);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Evaluate(view, kPanelDisplay).toString() == QStringLiteral("block"); },
                                10000));
    Discard(window);
}

TEST_F(LivePageTest, ThePhoneWidthShowsThePageAtThatWidthAndAChangeRebuildsIt)
{
    auto window = MakeWindow();
    LivePage* page = window->livePage();
    ASSERT_TRUE(page->ChooseWidth(LivePage::kPhoneWidth));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Evaluate(page->view(), QStringLiteral("window.innerWidth")).toInt() ==
                                                 LivePage::kPhoneWidth; }, 10000));
    EXPECT_FALSE(page->ChooseWidth(1234));

    const int loaded = page->LoadedCount();
    ASSERT_TRUE(window->ImportMenu(QString::fromStdString(TRELLIS_SOURCE_DIR "/examples/shop.json")));
    ASSERT_TRUE(WaitForPage(page, loaded));
    EXPECT_EQ(page->PageWidth(), LivePage::kPhoneWidth);
    const QString firstButton = Evaluate(page->view(), QStringLiteral("document.querySelector('nav').innerText")).toString();
    EXPECT_FALSE(firstButton.isEmpty());
    Discard(window);
}

// A menu whose one button's caption would break a script it were pasted into unquoted.
const char kAwkwardCaptionMenu[] = R"({"generation": "Trellisv2", "buttons": [
  {"text": "%1 \"quoted\" </script> back\\slash", "groups": [
    {"text": "Group", "links": [{"text": "Alpha", "url": "alpha.html"}, {"text": "Beta", "url": "beta.html"}]}]}]})";

TEST_F(LivePageTest, AChangeIsShownInThePageOnShowKeepingItsScrollPositionAndOnlyTheNewStylesheets)
{
    auto window = MakeWindow();
    LivePage* page = window->livePage();
    QWebEngineView* view = page->view();
    // The page is scrolled down a little (the sample page is not much taller than the window), and
    // marked: a navigation would lose both.
    ASSERT_TRUE(Evaluate(view, QStringLiteral("window.scrollTo(0, 60); window.studioMark = 'same document'; "
                                              "window.scrollY")).toInt() > 0);
    const int scrolled = Evaluate(view, QStringLiteral("window.scrollY")).toInt();
    const int sheets = Evaluate(view, QStringLiteral("document.styleSheets.length")).toInt();

    WriteFileBytes(Path("awkward.json"), kAwkwardCaptionMenu);
    int loaded = page->LoadedCount();
    ASSERT_TRUE(window->ImportMenu(QPath("awkward.json")));
    ASSERT_TRUE(WaitForPage(page, loaded));
    EXPECT_EQ(Evaluate(view, QStringLiteral("window.studioMark")).toString(), QStringLiteral("same document"));
    EXPECT_EQ(Evaluate(view, QStringLiteral("document.querySelector('.dropbtn').textContent.trim()")).toString(),
              QStringLiteral("%1 \"quoted\" </script> back\\slash"));
    EXPECT_EQ(Evaluate(view, QStringLiteral("window.scrollY")).toInt(), scrolled);
    EXPECT_EQ(Evaluate(view, QStringLiteral("document.styleSheets.length")).toInt(), sheets);
    // The page's links lead into the newest build's folder, whose stylesheet is the one in effect.
    const QUrl link(Evaluate(view, QStringLiteral("document.querySelector('.dropdown-content a').href")).toString());
    EXPECT_EQ(QFileInfo(link.toLocalFile()).absolutePath(), QFileInfo(page->ShownFolder()).absoluteFilePath());

    // Undo (another change) brings the first menu back, in the same document still.
    loaded = page->LoadedCount();
    window->undoStack()->undo();
    ASSERT_TRUE(WaitForPage(page, loaded));
    EXPECT_NE(Evaluate(view, QStringLiteral("document.querySelector('nav').innerText")).toString().indexOf(
                  QStringLiteral("quoted")), 0);
    EXPECT_EQ(Evaluate(view, QStringLiteral("window.studioMark")).toString(), QStringLiteral("same document"));

    // Reload Page starts a new document.
    QAction* reload = nullptr;
    for (QAction* action : window->findChildren<QAction*>())
        if (action->text() == QStringLiteral("&Reload Page"))
            reload = action;
    ASSERT_NE(reload, nullptr);
    loaded = page->LoadedCount();
    reload->trigger();
    ASSERT_TRUE(WaitForPage(page, loaded));
    EXPECT_EQ(Evaluate(view, QStringLiteral("typeof window.studioMark")).toString(), QStringLiteral("undefined"));
    Discard(window);
}

TEST_F(LivePageTest, ChangesMadeWhileThePageLoadsEndWithTheNewestShown)
{
    UseSandboxSettings();
    MainWindow window({}, QPath("recovery"));
    window.show();
    LivePage* page = window.livePage();
    // The first page is still loading: these changes come before it is shown.
    ASSERT_EQ(page->LoadedCount(), 0);
    WriteFileBytes(Path("awkward.json"), kAwkwardCaptionMenu);
    ASSERT_TRUE(window.ImportMenu(QString::fromStdString(TRELLIS_SOURCE_DIR "/examples/shop.json")));
    ASSERT_TRUE(window.ImportMenu(QPath("awkward.json")));
    ASSERT_TRUE(WaitForPage(page, 0));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return Evaluate(page->view(), QStringLiteral("document.querySelectorAll('.dropbtn').length")).toInt() == 1;
    }, 10000));
    EXPECT_TRUE(Evaluate(page->view(), QStringLiteral("document.querySelector('.dropbtn').textContent"))
                    .toString().contains(QStringLiteral("</script>")));
    window.undoStack()->setClean();
    window.close();
}

}  // namespace
