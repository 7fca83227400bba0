// RandomDriver: one random action per tick on the front window; keys go to the focus widget, mouse
// events to the widget under the pointer (or the one holding the press), as the window system does.
#include "tests/editor/random_input/random_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <vector>

#include "tests/editor/random_input/action_log.h"

namespace {

// Keys a user presses in dialogs: moving, choosing, editing, leaving.
const Qt::Key kPlainKeys[] = {Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Space,
                              Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Up,   Qt::Key_Down,   Qt::Key_Left,
                              Qt::Key_Right,  Qt::Key_Home,    Qt::Key_End,    Qt::Key_PageUp, Qt::Key_PageDown,
                              Qt::Key_F4,     Qt::Key_F1,      Qt::Key_Escape};

// The letters after '&' in the window's button, label, group and tab texts: its mnemonics.
QString Mnemonics(QWidget* window)
{
    QString letters;
    auto take = [&letters](const QString& text) {
        for (qsizetype i = text.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < text.size();
             i = text.indexOf(QLatin1Char('&'), i + 2)) {
            if (text[i + 1] != QLatin1Char('&'))
                letters += text[i + 1].toUpper();
        }
    };
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        take(button->text());
    for (QLabel* label : window->findChildren<QLabel*>())
        take(label->text());
    for (QGroupBox* group : window->findChildren<QGroupBox*>())
        take(group->title());
    for (QTabBar* tabs : window->findChildren<QTabBar*>()) {
        for (int i = 0; i < tabs->count(); ++i)
            take(tabs->tabText(i));
    }
    return letters;
}

std::string Point(const QPoint& p) { return "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ")"; }

}  // namespace

std::string DescribeWidget(const QWidget* widget)
{
    if (!widget)
        return "(gone)";
    std::string text = widget->metaObject()->className();
    if (!widget->objectName().isEmpty())
        text += " '" + widget->objectName().toStdString() + "'";
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget); button && !button->text().isEmpty())
        text += " \"" + button->text().toStdString() + "\"";
    const QWidget* window = widget->window();
    if (window && window != widget)
        text += " in " + std::string(window->metaObject()->className()) +
                (window->objectName().isEmpty() ? "" : " '" + window->objectName().toStdString() + "'");
    return text;
}

RandomDriver::RandomDriver(uint64_t seed) : m_random(seed) {}

void RandomDriver::StartSession(int session, int actions)
{
    m_session = session;
    m_actions = 0;
    m_budget = actions;
    m_dragWindow = nullptr;
    m_grabber = nullptr;
    m_doneSince.invalidate();
    m_strayReleases = 0;
    const uint64_t chain = ++m_chain;
    QTimer::singleShot(1, this, [this, chain] { Step(chain); });
}

QWidget* RandomDriver::FrontWindow() const
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_home && m_home->isVisible() ? m_home.data() : nullptr;
}

bool RandomDriver::SessionDone() const
{
    return (m_closing || m_actions >= m_budget) && !m_grabber && FrontWindow() == m_home;
}

void RandomDriver::Log(const std::string& what, const QWidget* target)
{
    RecordAction("s" + std::to_string(m_session) + " #" + std::to_string(m_actions) + " " + what + " -> " +
                 DescribeWidget(target));
}

void RandomDriver::Step(uint64_t chain)
{
    if (chain != m_chain)
        return;
    QTimer::singleShot(1, this, [this, chain] { Step(chain); });
    QWidget* window = FrontWindow();
    if (!window)
        return;
    // A file dialog (or one named to CloseUnseen) would let random input loose on the user's files:
    // it is closed unseen.
    if (qobject_cast<QFileDialog*>(window) ||
        (qobject_cast<QDialog*>(window) && m_closedUnseen.contains(window->objectName()))) {
        Log("close the dialog unseen", window);
        static_cast<QDialog*>(window)->reject();
        return;
    }
    if (m_closing || m_actions >= m_budget) {
        // A drag still held ends first: a colour well's drag runs its own loop (QDrag::exec) that
        // only a release ends, and closing its dialog under it would leave that loop waiting.
        if (m_grabber)
            ReleaseDrag();
        else if (window != m_home)
            CloseFront(window);
        else
            EndStrayDrag(window);
        return;
    }
    ++m_actions;
    // The colour dialog gets a few actions, then goes, so that sessions do not stay in it.
    if (qobject_cast<QColorDialog*>(window) && !m_grabber && Chance(10)) {
        CloseFront(window);
        return;
    }
    Act(window);
}

void RandomDriver::EndStrayDrag(QWidget* home)
{
    if (!m_doneSince.isValid())
        m_doneSince.start();
    if (m_strayReleases >= kMostStrayReleases || m_doneSince.elapsed() < kStrayDragMilliseconds * (m_strayReleases + 1))
        return;
    ++m_strayReleases;
    Log("release to end a drag that outlived the session", home);
    QTest::mouseRelease(home, Qt::LeftButton, {}, QPoint(1, 1));
}

void RandomDriver::CloseFront(QWidget* window)
{
    Log("close the front window", window);
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}

void RandomDriver::Act(QWidget* window)
{
    if (m_grabber && m_dragWindow == window) {
        ContinueDrag(window);
        return;
    }
    const int roll = Random(100);
    if (roll < 40)
        Key(window);
    else if (roll < 65)
        Click(window, false);
    else if (roll < 73)
        Click(window, true);
    else if (roll < 78)
        Wheel(window);
    else if (roll < 85)
        Hover(window);
    else if (roll < 98)
        BeginDrag(window);
    else
        ResizeWindow(window);
}

void RandomDriver::Key(QWidget* window)
{
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus && focus->window() == window ? focus : window;
    const int roll = Random(100);
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    std::string name;
    if (roll < 30) {
        const QString letters = Mnemonics(window);
        const QChar letter = letters.isEmpty() ? QChar(u'A' + Random(26)) : letters[Random(int(letters.size()))];
        key = static_cast<Qt::Key>(letter.unicode());
        modifiers = Qt::AltModifier;
        name = std::string("Alt+") + char(letter.unicode());
    } else if (roll < 70) {
        key = kPlainKeys[Random(int(std::size(kPlainKeys)))];
        // Escape and Enter close dialogs; they are pressed, but seldom, so that sessions go deep.
        if ((key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) && !Chance(25))
            key = Qt::Key_Tab;
        if (Chance(10))
            modifiers = Chance(50) ? Qt::AltModifier : Qt::ShiftModifier;
        name = QKeySequence(key | modifiers).toString().toStdString();
    } else if (roll < 80) {
        const char* chords[] = {"a", "c", "v", "x", "z"};
        const char letter = chords[Random(5)][0];
        key = static_cast<Qt::Key>(Qt::Key_A + (letter - 'a'));
        modifiers = Qt::ControlModifier;
        name = std::string("Ctrl+") + letter;
    } else {
        // Typed text: letters, digits and what addresses hold.
        const QString typed = QStringLiteral("ab9-#./:@ &_%x0");
        const QChar c = typed[Random(int(typed.size()))];
        Log(std::string("type '") + char(c.unicode()) + "'", target);
        QTest::keyClicks(target, QString(c));
        return;
    }
    Log("key " + name, target);
    QTest::keyClick(target, key, modifiers);
}

QWidget* RandomDriver::PickTarget(QWidget* window, QPoint& local)
{
    QPoint inWindow;
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    std::vector<QWidget*> shown;
    for (QWidget* control : controls) {
        if (control->isVisible() && control->window() == window && control->width() > 0 && control->height() > 0)
            shown.push_back(control);
    }
    if (!shown.empty() && Chance(60)) {
        QWidget* control = shown[Random(int(shown.size()))];
        const QPoint at(Random(control->width()), Random(control->height()));
        inWindow = control->mapTo(window, at);
    } else {
        inWindow = QPoint(Random(std::max(1, window->width())), Random(std::max(1, window->height())));
    }
    QWidget* target = window->childAt(inWindow);
    if (!target)
        target = window;
    local = target->mapFrom(window, inWindow);
    return target;
}

void RandomDriver::Click(QWidget* window, bool twice)
{
    QPoint local;
    QWidget* target = PickTarget(window, local);
    // A popup also hears presses outside itself: they close it.
    if (window->isWindow() && (window->windowFlags() & Qt::Popup) == Qt::Popup && Chance(15)) {
        target = window;
        local = QPoint(-5 - Random(40), window->height() + Random(40));
    }
    const Qt::MouseButton button = Chance(85) ? Qt::LeftButton : (Chance(70) ? Qt::RightButton : Qt::MiddleButton);
    const std::string what = std::string(twice ? "double-click " : "click ") +
                             (button == Qt::LeftButton ? "left " : button == Qt::RightButton ? "right " : "middle ") +
                             Point(local);
    Log(what, target);
    if (twice)
        QTest::mouseDClick(target, button, {}, local);
    else
        QTest::mouseClick(target, button, {}, local);
}

void RandomDriver::Wheel(QWidget* window)
{
    QPoint local;
    QWidget* target = PickTarget(window, local);
    const int delta = Chance(50) ? 120 : -120;
    Log("wheel " + std::to_string(delta) + " " + Point(local), target);
    QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

void RandomDriver::Hover(QWidget* window)
{
    QPoint local;
    QWidget* target = PickTarget(window, local);
    Log("hover " + Point(local), target);
    QTest::mouseMove(target, local);
}

void RandomDriver::BeginDrag(QWidget* window)
{
    QPoint local;
    QWidget* target = PickTarget(window, local);
    Log("press to drag " + Point(local), target);
    m_dragWindow = window;
    m_grabber = target;
    m_dragLocal = local;
    m_dragSteps = 2 + Random(8);
    QTest::mousePress(target, Qt::LeftButton, {}, local);
}

void RandomDriver::ContinueDrag(QWidget* window)
{
    QWidget* grabber = m_grabber;
    // A key pressed with the button down: a mnemonic, Delete, Escape, an arrow, anything.
    if (Chance(25)) {
        Log("during the drag:", grabber);
        Key(window);
        return;
    }
    // Somewhere in the grabbing widget, or anywhere in its window.
    QPoint inWindow;
    if (Chance(60) && grabber->width() > 0 && grabber->height() > 0)
        inWindow = grabber->mapTo(window, QPoint(Random(grabber->width()), Random(grabber->height())));
    else
        inWindow = QPoint(Random(std::max(1, window->width() + 40)) - 20, Random(std::max(1, window->height() + 40)) - 20);
    const QPoint local = grabber->mapFrom(window, inWindow);
    if (--m_dragSteps > 0) {
        Log("drag to " + Point(local), grabber);
        m_dragLocal = local;
        QTest::mouseMove(grabber, local);
        return;
    }
    Log("release " + Point(local), grabber);
    m_grabber = nullptr;
    m_dragWindow = nullptr;
    QTest::mouseRelease(grabber, Qt::LeftButton, {}, local);
}

void RandomDriver::ReleaseDrag()
{
    QWidget* grabber = m_grabber;
    Log("release to end the drag " + Point(m_dragLocal), grabber);
    m_grabber = nullptr;
    m_dragWindow = nullptr;
    QTest::mouseRelease(grabber, Qt::LeftButton, {}, m_dragLocal);
}

void RandomDriver::ResizeWindow(QWidget* window)
{
    if ((window->windowFlags() & Qt::Popup) == Qt::Popup)
        return;
    const QSize size(100 + Random(1100), 80 + Random(900));
    Log("resize to " + std::to_string(size.width()) + "x" + std::to_string(size.height()), window);
    window->resize(size);
}
