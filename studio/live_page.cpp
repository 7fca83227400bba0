// The live page: PreparePage and WritePage into a private folder (so the page's fonts load from
// beside it, as they will on the site), shown by Qt WebEngine.
#include "studio/live_page.h"

#include <algorithm>
#include <functional>
#include <utility>

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "studio/error_text.h"
#include "studio/live_page_patch.h"
#include "studio/menu_document.h"

namespace {

// The live page stays the menu's page: a click on one of its links says where it leads instead of
// going there (the page's links point into the site, or to mail and telephone programs).
class MenuPreviewPage : public QWebEnginePage {
public:
    MenuPreviewPage(std::function<void(const QUrl&)> linkClicked, std::function<void(const PatchMessage&)> patched,
                    QObject* parent)
        : QWebEnginePage(parent), m_linkClicked(std::move(linkClicked)), m_patched(std::move(patched))
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        if (type == NavigationTypeLinkClicked || type == NavigationTypeFormSubmitted) {
            m_linkClicked(url);
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int, const QString&) override
    {
        PatchMessage patch;
        if (ParsePatchMessage(message, &patch))
            m_patched(patch);
    }

private:
    std::function<void(const QUrl&)> m_linkClicked;
    std::function<void(const PatchMessage&)> m_patched;
};

}  // namespace

LivePage::LivePage(QWidget* parent)
    : QWidget(parent), m_widths(new QComboBox(this)), m_note(new QLabel(this)), m_frame(new QWidget(this)),
      m_view(new QWebEngineView(m_frame))
{
    setObjectName(QStringLiteral("livePage"));
    m_widths->setObjectName(QStringLiteral("pageWidth"));
    m_view->setObjectName(QStringLiteral("pageView"));
    m_view->setPage(new MenuPreviewPage([this](const QUrl& url) { emit linkClicked(url); },
                                        [this](const PatchMessage& patch) { PagePatched(patch); }, m_view));
    m_view->setAccessibleName(tr("Live page"));
    m_note->setObjectName(QStringLiteral("pageNote"));
    m_note->setWordWrap(true);
    m_note->hide();

    auto* label = new QLabel(tr("Page &width:"), this);
    label->setBuddy(m_widths);
    auto* bar = new QHBoxLayout;
    bar->addWidget(label);
    bar->addWidget(m_widths);
    bar->addStretch(1);

    auto* frameLayout = new QHBoxLayout(m_frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addStretch(0);
    frameLayout->addWidget(m_view, 1);
    frameLayout->addStretch(0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(m_note);
    layout->addWidget(m_frame, 1);

    OfferWidths({});
    connect(m_widths, &QComboBox::currentIndexChanged, this, &LivePage::ApplyWidth);
    connect(m_view, &QWebEngineView::loadFinished, this, &LivePage::PageLoaded);
}

void LivePage::OfferWidths(const std::vector<int>& breakpoints)
{
    const int chosen = PageWidth();
    const QSignalBlocker blocker(m_widths);
    m_widths->clear();
    m_widths->addItem(tr("Desktop"), 0);
    for (int width : breakpoints)
        m_widths->addItem(tr("Breakpoint %1 px").arg(width), width);
    m_widths->addItem(tr("Phone (%1 px)").arg(kPhoneWidth), kPhoneWidth);
    const int index = m_widths->findData(chosen);
    m_widths->setCurrentIndex(index >= 0 ? index : 0);
    ApplyWidth();
}

QString LivePage::ShownFolder() const
{
    return m_shownBuild ? QDir(m_folder.path()).filePath(QStringLiteral("page-%1").arg(m_shownBuild)) : QString();
}

int LivePage::PageWidth() const { return m_widths->count() ? m_widths->currentData().toInt() : 0; }

bool LivePage::ChooseWidth(int width)
{
    const int index = m_widths->findData(width);
    if (index < 0)
        return false;
    m_widths->setCurrentIndex(index);
    return true;
}

void LivePage::ApplyWidth()
{
    const int width = PageWidth();
    if (width > 0)
        m_view->setFixedWidth(width);
    else {
        m_view->setMinimumWidth(0);
        m_view->setMaximumWidth(QWIDGETSIZE_MAX);
    }
}

void LivePage::ShowMenu(MenuDocument& document)
{
    if (!m_folder.isValid()) {
        m_note->setText(tr("The live page cannot be shown: no private folder for it (%1)").arg(m_folder.errorString()));
        m_note->show();
        emit pageShown(false);
        return;
    }
    // Each build goes into a folder of its own, so the engine never reads a stylesheet of one
    // build with the page of another; the one before last is removed, unless the page on show was
    // navigated to it (later builds are shown in that document).
    ++m_build;
    const QDir root(m_folder.path());
    if (m_build - 2 != m_navigatedBuild)
        QDir(root.filePath(QStringLiteral("page-%1").arg(m_build - 2))).removeRecursively();
    const QString folder = root.filePath(QStringLiteral("page-%1").arg(m_build));
    std::vector<std::string> notes;
    try {
        OfferWidths(document.BreakpointWidths());
        PublishRequest request;
        request.out = folder.toStdString();
        request.title = "Trellis Studio: live page";
        document.Publish(request, &notes);
    } catch (...) {
        m_note->setText(CurrentErrorText());
        m_note->show();
        emit pageShown(false);
        return;
    }
    QStringList lines;
    for (const std::string& note : notes)
        lines << QString::fromStdString(note);
    m_note->setText(lines.join(QLatin1Char('\n')));
    m_note->setVisible(!lines.isEmpty());
    // While a document loads, it is left to finish; it is then brought up to the newest build.
    if (m_navigating)
        return;
    const bool fresh = std::exchange(m_fresh, false);
    if (m_documentShown && !fresh && PatchTo(folder))
        return;
    Navigate();
}

void LivePage::ReloadMenu(MenuDocument& document)
{
    m_fresh = true;
    ShowMenu(document);
}

bool LivePage::PatchTo(const QString& folder)
{
    QFile page(QDir(folder).filePath(QStringLiteral("index.html")));
    if (!page.open(QIODevice::ReadOnly))
        return false;
    const QString html = QString::fromUtf8(page.readAll());
    QMap<QString, QString> stylesheets;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.css")}, QDir::Files)) {
        QFile sheet(dir.filePath(name));
        if (sheet.open(QIODevice::ReadOnly))
            stylesheets.insert(name, QString::fromUtf8(sheet.readAll()));
    }
    const QUrl base = QUrl::fromLocalFile(folder + QLatin1Char('/'));
    m_view->page()->runJavaScript(PatchPageScript(html, base, stylesheets, m_build));
    return true;
}

void LivePage::Navigate()
{
    if (m_loaded > 0)
        m_scroll = m_view->page()->scrollPosition();
    const int previous = m_navigatedBuild;
    m_navigatedBuild = m_build;
    if (previous > 0 && previous < m_build - 2)
        QDir(QDir(m_folder.path()).filePath(QStringLiteral("page-%1").arg(previous))).removeRecursively();
    m_shown = QUrl::fromLocalFile(QDir(m_folder.path()).filePath(QStringLiteral("page-%1/index.html").arg(m_build)));
    m_navigating = true;
    m_view->setUrl(m_shown);
}

void LivePage::PageLoaded(bool ok)
{
    // Only the document last navigated to counts (a jump within it keeps it the same document).
    if (m_view->url().adjusted(QUrl::RemoveFragment) != m_shown)
        return;
    m_navigating = false;
    m_documentShown = ok;
    // A change made while the page was loading is shown now, in place.
    if (m_navigatedBuild != m_build) {
        if (!ok || !PatchTo(QDir(m_folder.path()).filePath(QStringLiteral("page-%1").arg(m_build))))
            Navigate();
        return;
    }
    ++m_loaded;
    m_shownBuild = m_build;
    if (ok && !m_scroll.isNull())
        m_view->page()->runJavaScript(
            QStringLiteral("window.scrollTo(%1, %2);").arg(m_scroll.x()).arg(m_scroll.y()));
    emit pageShown(ok);
}

void LivePage::PagePatched(const PatchMessage& patch)
{
    // Only the newest build counts; an older one that finishes late is already replaced.
    if (patch.build != m_build)
        return;
    if (!patch.shown) {
        qWarning("The live page could not be updated in place (%s); loading it again.", qPrintable(patch.reason));
        return Navigate();
    }
    ++m_loaded;
    m_shownBuild = m_build;
    emit pageShown(true);
}

bool LivePage::WaitForLoadedCount(int before, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (m_loaded <= before && !deadline.hasExpired()) {
        QEventLoop loop;
        connect(this, &LivePage::pageShown, &loop, &QEventLoop::quit);
        QTimer::singleShot(std::max<qint64>(1, deadline.remainingTime()), &loop, &QEventLoop::quit);
        loop.exec();
    }
    return m_loaded > before;
}
