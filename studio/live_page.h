// LivePage: the menu published on a sample page and shown in the web engine, at the width the
// designer chooses (the desktop, each breakpoint, a phone), rebuilt after every change.
#pragma once

#include <vector>

#include <QPointF>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

class MenuDocument;
struct PatchMessage;
class QComboBox;
class QLabel;
class QWebEngineView;

class LivePage : public QWidget {
    Q_OBJECT
public:
    explicit LivePage(QWidget* parent = nullptr);

    // Publishes the menu into the page's private folder and shows it, keeping the scroll position:
    // in place in the page on show, or by loading it when there is none yet.
    // A failure (a font the module names that the folders lack) shows its one line instead.
    void ShowMenu(MenuDocument& document);
    // The same, always as a new document (View > Reload Page: whatever the designer did in the
    // page, such as ticking the folded menu's toggle, is undone).
    void ReloadMenu(MenuDocument& document);

    // The width the page is shown at; 0 for the whole width of the window (the desktop).
    int PageWidth() const;
    // Chooses one of the offered widths (0, a breakpoint, the phone's); false if it is not offered.
    bool ChooseWidth(int width);
    static constexpr int kPhoneWidth = 375;

    QWebEngineView* view() const { return m_view; }
    QComboBox* widthChoice() const { return m_widths; }
    // The folder of the build on show (its index.html and stylesheets, as published); empty before
    // the first is shown.
    QString ShownFolder() const;
    // How many builds have finished loading, each the newest when it did (tests wait on it).
    int LoadedCount() const { return m_loaded; }
    // Runs the event loop until LoadedCount() exceeds `before`, or `milliseconds` pass; false then.
    // For tests, benchmarks and screenshots: a real event loop, as the window has, since polling
    // with sleeps between starves the engine's work that runs on this thread.
    bool WaitForLoadedCount(int before, int milliseconds = 30000);

signals:
    void pageShown(bool ok);
    // A link of the page was clicked; the page does not follow it.
    void linkClicked(const QUrl& url);

private:
    void OfferWidths(const std::vector<int>& breakpoints);
    void ApplyWidth();
    void PageLoaded(bool ok);
    // Shows the build in `folder` in the page on show, without navigating; false if it cannot.
    bool PatchTo(const QString& folder);
    // Loads the newest build as a new document (the first build, and whenever patching cannot).
    void Navigate();
    void PagePatched(const PatchMessage& patch);

    QComboBox* m_widths;
    QLabel* m_note;
    QWidget* m_frame;
    QWebEngineView* m_view;
    QTemporaryDir m_folder;
    int m_build = 0;
    int m_loaded = 0;
    int m_shownBuild = 0;
    int m_navigatedBuild = 0;    // the build whose folder the document on show was loaded from
    bool m_navigating = false;   // a navigation is under way; changes meanwhile wait for it
    bool m_documentShown = false;  // the last navigation loaded, so later builds can patch it
    bool m_fresh = false;          // the next build is loaded as a new document
    QPointF m_scroll;
    QUrl m_shown;
};
