// The live page: PreparePage and WritePage into a private folder (so the page's fonts load from
// beside it, as they will on the site), shown by Qt WebEngine.
#include "studio/live_page.h"

#include <functional>

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "studio/error_text.h"
#include "studio/menu_document.h"

namespace {

// The live page stays the menu's page: a click on one of its links says where it leads instead of
// going there (the page's links point into the site, or to mail and telephone programs).
class MenuPreviewPage : public QWebEnginePage {
public:
    MenuPreviewPage(std::function<void(const QUrl&)> linkClicked, QObject* parent)
        : QWebEnginePage(parent), m_linkClicked(std::move(linkClicked))
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

private:
    std::function<void(const QUrl&)> m_linkClicked;
};

}  // namespace

LivePage::LivePage(QWidget* parent)
    : QWidget(parent), m_widths(new QComboBox(this)), m_note(new QLabel(this)), m_frame(new QWidget(this)),
      m_view(new QWebEngineView(m_frame))
{
    setObjectName(QStringLiteral("livePage"));
    m_widths->setObjectName(QStringLiteral("pageWidth"));
    m_view->setObjectName(QStringLiteral("pageView"));
    m_view->setPage(new MenuPreviewPage([this](const QUrl& url) { emit linkClicked(url); }, m_view));
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
    // build with the page of another; the one before last is removed.
    ++m_build;
    const QDir root(m_folder.path());
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
    if (m_loaded > 0)
        m_scroll = m_view->page()->scrollPosition();
    m_shown = QUrl::fromLocalFile(QDir(folder).filePath(QStringLiteral("index.html")));
    m_view->setUrl(m_shown);
}

void LivePage::PageLoaded(bool ok)
{
    // A build that a newer one replaced before it finished loading is not the page shown.
    if (m_view->url() != m_shown)
        return;
    ++m_loaded;
    if (ok && !m_scroll.isNull())
        m_view->page()->runJavaScript(
            QStringLiteral("window.scrollTo(%1, %2);").arg(m_scroll.x()).arg(m_scroll.y()));
    emit pageShown(ok);
}
