// LivePage: the menu published on a sample page and shown in the web engine, at the width the
// designer chooses (the desktop, each breakpoint, a phone), rebuilt after every change.
#pragma once

#include <vector>

#include <QPointF>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

class MenuDocument;
class QComboBox;
class QLabel;
class QWebEngineView;

class LivePage : public QWidget {
    Q_OBJECT
public:
    explicit LivePage(QWidget* parent = nullptr);

    // Publishes the menu into the page's private folder and shows it, keeping the scroll position.
    // A failure (a font the module names that the folders lack) shows its one line instead.
    void ShowMenu(MenuDocument& document);

    // The width the page is shown at; 0 for the whole width of the window (the desktop).
    int PageWidth() const;
    // Chooses one of the offered widths (0, a breakpoint, the phone's); false if it is not offered.
    bool ChooseWidth(int width);
    static constexpr int kPhoneWidth = 375;

    QWebEngineView* view() const { return m_view; }
    QComboBox* widthChoice() const { return m_widths; }
    // How many builds have finished loading, each the newest when it did (tests wait on it).
    int LoadedCount() const { return m_loaded; }

signals:
    void pageShown(bool ok);
    // A link of the page was clicked; the page does not follow it.
    void linkClicked(const QUrl& url);

private:
    void OfferWidths(const std::vector<int>& breakpoints);
    void ApplyWidth();
    void PageLoaded(bool ok);

    QComboBox* m_widths;
    QLabel* m_note;
    QWidget* m_frame;
    QWebEngineView* m_view;
    QTemporaryDir m_folder;
    int m_build = 0;
    int m_loaded = 0;
    QPointF m_scroll;
    QUrl m_shown;
};
