// The random-input driver on a drag that starts after its last release: the live page starts its drags
// when the web engine says so, which on a loaded machine is after the button went up, and such a
// drag's loop waits for a release. The driver must end it, or the session never ends.
#include <gtest/gtest.h>

#include <QDrag>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "tests/editor/random_input/random_driver.h"

namespace {

TEST(RandomDriver, EndsADragThatOutlivesTheSession)
{
    QWidget home;
    home.resize(320, 240);
    home.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&home));
    RandomDriver driver(20644817);
    driver.SetHomeWindow(&home);

    bool dragEnded = false;
    bool endedByTheTest = false;
    QTimer::singleShot(0, &home, [&] {
        // Without the driver's release this drag would never end: after 30 s the test ends it itself.
        QTimer rescue;
        rescue.setSingleShot(true);
        QObject::connect(&rescue, &QTimer::timeout, [&] {
            endedByTheTest = true;
            QTest::mouseRelease(&home, Qt::LeftButton, {}, QPoint(2, 2));
        });
        rescue.start(30000);
        auto* drag = new QDrag(&home);
        drag->setMimeData(new QMimeData);
        drag->exec(Qt::CopyAction);
        dragEnded = true;
    });
    // A session with no actions left: the driver only closes windows and waits for its end.
    driver.StartSession(1, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dragEnded && driver.SessionDone(); }, 60000));
    driver.Stop();
    EXPECT_FALSE(endedByTheTest);
}

}  // namespace
