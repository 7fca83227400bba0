// studio_screenshots: pictures of Trellis Studio for the guide, as a designer sees it, written as PNG
// files into the folder given as the first argument. Not a test; scripts/studio-screenshots runs it
// under a virtual display with the system's Font Awesome, so the live page shows its icons.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdio>
#include <memory>
#include <optional>
#include <unistd.h>

#include "studio/live_page.h"
#include "studio/main_window.h"
#include "studio/problems_panel.h"
#include "tests/editor/modal_answer.h"
#include "tests/support/temporary_folder.h"

namespace {

QString g_folder;

// The window as it is on the screen, with the page the web engine draws.
void Shoot(QWidget* window, const char* name)
{
    QTest::qWait(600);
    const QRect frame = window->frameGeometry();
    const QPixmap picture = window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const QString path = QDir(g_folder).filePath(QString::fromLatin1(name));
    if (!picture.save(path))
        std::fprintf(stderr, "studio_screenshots: cannot write %s\n", path.toLocal8Bit().constData());
    else
        std::printf("%s\n", path.toLocal8Bit().constData());
}

// A dialog over the window, then closed.
void ShootDialog(QWidget* dialog, const char* name)
{
    const QRect frame = dialog->frameGeometry();
    const QString path = QDir(g_folder).filePath(QString::fromLatin1(name));
    if (!dialog->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).save(path))
        std::fprintf(stderr, "studio_screenshots: cannot write %s\n", path.toLocal8Bit().constData());
    else
        std::printf("%s\n", path.toLocal8Bit().constData());
    static_cast<QDialog*>(dialog)->reject();
}

QVariant Evaluate(QWebEngineView* view, const QString& script)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    view->page()->runJavaScript(script, [result](const QVariant& value) { *result = value; });
    (void)QTest::qWaitFor([result] { return result->has_value(); }, 10000);
    return result->value_or(QVariant());
}

// Points at the page's button with a panel of three columns (or the first with a panel).
void PointAtAPanelButton(QWebEngineView* view)
{
    const QVariantList box =
        Evaluate(view, QStringLiteral("(() => { const b = [...document.querySelectorAll('.dropdown')];"
                                      " const e = b[1] || b[0]; const r = e.getBoundingClientRect();"
                                      " return [r.x + r.width / 2, r.y + r.height / 2]; })()"))
            .toList();
    if (box.size() != 2)
        return;
    QWidget* surface = view->focusProxy() ? view->focusProxy() : view;
    const QPoint point(int(box[0].toDouble()), int(box[1].toDouble()));
    QTest::mouseMove(surface, point + QPoint(2, 2));
    QTest::mouseMove(surface, point);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: studio_screenshots FOLDER (run under a display)\n");
        return 2;
    }
    if (geteuid() == 0)
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("TrellisTests"));
    QApplication::setApplicationName(QStringLiteral("studio_screenshots"));
    // The pictures show the studio as it first opens, not as an earlier run left its panels.
    QSettings().clear();
    g_folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_folder);

    TemporaryFolder work("trellis-studio-shots");
    const QString menu = QString::fromStdString((work / "shop.json").string());
    QFile::copy(QStringLiteral(TRELLIS_SOURCE_DIR "/examples/shop.json"), menu);
    QFile::setPermissions(menu, QFile::ReadOwner | QFile::WriteOwner);

    MainWindow window({}, QString::fromStdString((work / "recovery").string()));
    window.resize(1100, 760);
    window.move(0, 0);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    int loaded = window.livePage()->LoadedCount();
    window.OpenFile(menu);
    window.livePage()->WaitForLoadedCount(loaded);
    Shoot(&window, "studio-window.png");

    PointAtAPanelButton(window.livePage()->view());
    Shoot(&window, "studio-live-panel.png");

    // The module's sheet over the window, on its Style page.
    AnswerNextModal([](QWidget* sheet) {
        if (auto* tabs = sheet->findChild<QTabWidget*>(QStringLiteral("PropertiesTabs")))
            tabs->setCurrentIndex(1);
        QTimer::singleShot(300, sheet, [sheet] {
            const QRect frame = sheet->frameGeometry();
            const QPixmap picture =
                sheet->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
            picture.save(QDir(g_folder).filePath(QStringLiteral("studio-properties.png")));
            std::printf("%s\n", QDir(g_folder).filePath(QStringLiteral("studio-properties.png")).toLocal8Bit().constData());
            static_cast<QDialog*>(sheet)->reject();
        });
    });
    window.EditProperties();

    // Publish…, going into a site folder.
    AnswerNextModal([](QWidget* dialog) {
        if (auto* intoSite = dialog->findChild<QRadioButton*>(QStringLiteral("publishIntoSite")))
            intoSite->setChecked(true);
        if (auto* folder = dialog->findChild<QLineEdit*>(QStringLiteral("siteFolder")))
            folder->setText(QStringLiteral("/home/designer/www/university"));
        QTimer::singleShot(300, dialog, [dialog] { ShootDialog(dialog, "studio-publish-into-site.png"); });
    });
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("&Publish…"))
            action->trigger();
    }

    loaded = window.livePage()->LoadedCount();
    window.livePage()->ChooseWidth(LivePage::kPhoneWidth);
    QTest::qWait(800);
    Shoot(&window, "studio-phone-width.png");

    // The question before unsaved work goes, after a change.
    window.livePage()->ChooseWidth(0);
    window.ImportMenu(QStringLiteral(TRELLIS_SOURCE_DIR "/examples/documentation.json"));
    window.livePage()->WaitForLoadedCount(loaded);
    AnswerNextModal([](QWidget* box) {
        QTimer::singleShot(300, box, [box] {
            const QRect frame = box->frameGeometry();
            box->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                .save(QDir(g_folder).filePath(QStringLiteral("studio-unsaved.png")));
            std::printf("%s\n", QDir(g_folder).filePath(QStringLiteral("studio-unsaved.png")).toLocal8Bit().constData());
            static_cast<QDialog*>(box)->reject();
        });
    });
    window.close();
    window.undoStack()->setClean();
    window.close();
    return 0;
}
