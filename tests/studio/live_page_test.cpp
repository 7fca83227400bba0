// The live page: the published menu in the web engine, where pointing at a button opens its panel,
// shown at the width chosen and rebuilt after a change.
#include <QComboBox>
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

}  // namespace
