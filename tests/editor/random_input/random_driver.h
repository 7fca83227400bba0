// RandomDriver: sends random keys, clicks, double-clicks, wheel turns and drags to whichever of the
// editor's windows is in front, one action per timer tick, from inside the dialogs' own event loops.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <random>
#include <string>

class RandomDriver : public QObject {
public:
    explicit RandomDriver(uint64_t seed);

    // Acts on the windows for up to `actions` actions, then closes every window from the top down.
    void StartSession(int session, int actions);
    // From now on only closes windows (the run's time is up).
    void CloseEverything() { m_closing = true; }
    void Stop() { ++m_chain; }
    // A main window that takes the input when no dialog or popup is open, and that the driver never
    // closes (the studio's); without one, only dialogs and popups are driven.
    void SetHomeWindow(QWidget* window) { m_home = window; }
    // Dialogs of this object name are closed unseen, as file dialogs are: what their fields name
    // is written to (a folder to publish into).
    void CloseUnseen(const QString& objectName) { m_closedUnseen.append(objectName); }
    // The session's actions are spent and only the home window is left open.
    bool SessionDone() const;

    int SessionActions() const { return m_actions; }

private:
    // The window input goes to now: an open popup, else the innermost modal dialog, else the home
    // window when it is shown.
    QWidget* FrontWindow() const;

    // Schedules the next step, then acts. Each step is its own single-shot timer: a timer does not
    // fire again while its own handler runs, and a handler that opens a dialog runs until it closes.
    void Step(uint64_t chain);
    void CloseFront(QWidget* window);
    // The session is over and only the home window is open, yet the loop that runs the sessions has
    // not taken over: a drag's own loop (QDrag::exec) runs under this timer. The live page starts its
    // drags when its engine says so, which on a loaded machine comes after the driver's release, and
    // such a drag waits for a release that never comes (it eats keys, Escape too). A release ends it,
    // as a user's next click would; a few, then the watchdog has its say.
    void EndStrayDrag(QWidget* home);
    void Act(QWidget* window);
    void Key(QWidget* window);
    void Click(QWidget* window, bool twice);
    void Wheel(QWidget* window);
    void Hover(QWidget* window);
    void BeginDrag(QWidget* window);
    void ContinueDrag(QWidget* window);
    // Lets go of the button where the drag last was, before the session's windows close.
    void ReleaseDrag();
    void ResizeWindow(QWidget* window);

    // A point for the mouse: the deepest widget under a random spot of the window, or of one of
    // its controls (so that small controls get their share).
    QWidget* PickTarget(QWidget* window, QPoint& local);
    int Random(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }
    bool Chance(int percent) { return Random(100) < percent; }
    void Log(const std::string& what, const QWidget* target);

    uint64_t m_chain = 0;  // steps of an older chain (a stopped session) do nothing
    std::mt19937_64 m_random;
    int m_session = 0;
    int m_actions = 0;
    int m_budget = 0;
    bool m_closing = false;
    QPointer<QWidget> m_home;
    QStringList m_closedUnseen;
    static constexpr int kStrayDragMilliseconds = 2000;
    static constexpr int kMostStrayReleases = 5;
    QElapsedTimer m_doneSince;  // since the session's end first found the home window in front
    int m_strayReleases = 0;

    // The drag in progress: the widget that took the press keeps every mouse event until the release.
    QPointer<QWidget> m_dragWindow;
    QPointer<QWidget> m_grabber;
    QPoint m_dragLocal;
    int m_dragSteps = 0;
};

// Describes a widget for the action log: its class, object name and text.
std::string DescribeWidget(const QWidget* widget);
