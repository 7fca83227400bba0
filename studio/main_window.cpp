// The studio's main window: actions and menus, the panels, and the road every change takes (the
// object changes, an undo step keeps the block before and after, then the views and the recovery
// file follow).
#include "studio/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>

#include "host/loader/generations.h"
#include "host/menu_files/menu_files.h"
#include "studio/design_view.h"
#include "studio/error_text.h"
#include "studio/field_snapshot.h"
#include "studio/item_properties.h"
#include "studio/live_page.h"
#include "studio/live_page_focus.h"
#include "studio/outline_panel.h"
#include "studio/problem_fixes.h"
#include "studio/preferences_dialog.h"
#include "studio/problems_panel.h"
#include "studio/publish_dialog.h"
#include "studio/studio_settings.h"
#include "studio/undo_snapshot.h"
#ifdef TRELLIS_STUDIO_BREAKPOINT_PANEL
#include "studio/breakpoint_panel.h"
#endif

namespace {

// The version of the panels' arrangement that saveState keeps: a state saved by a studio that
// arranged them otherwise is not restored (it would leave panels where they no longer belong).
constexpr int kLayoutVersion = 2;

const QString kMenuFilter = QStringLiteral("Menus (*.json *.block);;JSON menus (*.json);;Menu blocks (*.block);;All files (*)");

QString Caption(const Generation& generation) { return QString::fromStdU16String(generation.sheetCaption); }

const Generation& StartGeneration(const HostSettings& settings)
{
    const Generation* named = FindPluginGeneration(settings.plugin);
    return named ? *named : DefaultGeneration();
}

}  // namespace

MainWindow::MainWindow(const HostSettings& commandLine, const QString& recoveryFolder, QWidget* parent)
    : QMainWindow(parent), m_commandLine(commandLine), m_recovery(recoveryFolder), m_undo(new QUndoStack(this)),
      m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("studioWindow"));
    setAcceptDrops(true);
    ScanSiteFolderSetting();
    m_document.emplace(StartGeneration(commandLine), CurrentHostSettings());

    CreatePanels();
    CreateActions();
    CreateMenus();
    CreateToolBar();

    m_generationLabel = new QLabel(this);
    statusBar()->addPermanentWidget(m_generationLabel);

    connect(m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    connect(m_undo, &QUndoStack::indexChanged, this, [this] { WriteRecovery(); });

    if (!restoreGeometry(studio_settings::WindowGeometry()))
        resize(1100, 800);
    if (!restoreState(studio_settings::WindowState(), kLayoutVersion)) {
        // The page gets the room; the problems a few lines; the outline most of the left column.
        if (auto* problems = findChild<QDockWidget*>(QStringLiteral("problemsDock")))
            resizeDocks({problems}, {110}, Qt::Vertical);
        auto* outline = findChild<QDockWidget*>(QStringLiteral("outlineDock"));
        auto* item = findChild<QDockWidget*>(QStringLiteral("itemDock"));
        if (outline && item) {
            resizeDocks({outline}, {300}, Qt::Horizontal);
            resizeDocks({outline, item}, {3, 2}, Qt::Vertical);
        }
    }
    UpdateRecentMenu();
    MenuChanged();
    statusBar()->showMessage(tr("Double-click the menu or press Enter to edit its properties."));
    // A site folder that has gone since the last run leaves the studio without a site, and says so.
    if (!m_site.problem.isEmpty())
        statusBar()->showMessage(m_site.problem);
}

MainWindow::~MainWindow()
{
    // The undo stack is a child, emptied after the members are gone: it must no longer reach them.
    disconnect(m_undo, nullptr, this, nullptr);
}

HostSettings MainWindow::CurrentHostSettings() const
{
    HostSettings settings = studio_settings::ToHostSettings(studio_settings::LoadHostPreferences(), m_commandLine);
    // The scanned folder is the site when neither the command line nor a structure file gave one.
    if (!settings.siteStructureFile && !settings.siteStructureText && m_site.structure)
        settings.siteStructureText = *m_site.structure;
    return settings;
}

void MainWindow::ScanSiteFolderSetting()
{
    const QString folder = studio_settings::LoadHostPreferences().siteFolder;
    if (m_commandLine.siteStructureFile || m_commandLine.siteStructureText) {
        m_site = ScannedSite{folder, std::nullopt, QString()};
        return;
    }
    m_site = ScanSite(folder);
}

void MainWindow::ShowSiteInItemProperties()
{
    const HostSettings& settings = m_document->settings();
    if (settings.siteStructureFile)
        m_itemProperties->SetSiteStructure(QString::fromStdString(*settings.siteStructureFile));
    else if (settings.siteStructureText)
        m_itemProperties->SetSiteStructureText(*settings.siteStructureText);
    else
        m_itemProperties->SetSiteStructure(QString());
}

// ---- The window's parts

void MainWindow::CreatePanels()
{
    m_designView = new DesignView(this);
    m_designView->SetDocument(&*m_document);
    m_livePage = new LivePage(this);

    auto* designBox = new QWidget(this);
    auto* designLayout = new QVBoxLayout(designBox);
    designLayout->setContentsMargins(0, 0, 0, 0);
    auto* designLabel = new QLabel(tr("&Design view"), designBox);
    designLabel->setBuddy(m_designView);
    designLayout->addWidget(designLabel);
    designLayout->addWidget(m_designView);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("studioSplitter"));
    splitter->addWidget(designBox);
    splitter->addWidget(m_livePage);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    setCentralWidget(splitter);
    connect(m_designView, &DesignView::propertiesRequested, this, &MainWindow::EditProperties);
    connect(m_livePage, &LivePage::linkClicked, this, [this](const QUrl& url) {
        statusBar()->showMessage(tr("The link leads to %1").arg(url.toDisplayString()), 8000);
    });

    m_problems = new ProblemsPanel(this);
    auto* problemsDock = new QDockWidget(tr("Problems"), this);
    problemsDock->setObjectName(QStringLiteral("problemsDock"));
    problemsDock->setWidget(m_problems);
    addDockWidget(Qt::BottomDockWidgetArea, problemsDock);

    // The outline and the selected item's properties: the studio's own editing of the menu.
    m_outline = new OutlinePanel(this);
    m_outline->SetCommit([this](const QString& text, const std::string& block, const QString& mergeKey) {
        return CommitBlock(text, block, mergeKey);
    });
    auto* outlineDock = new QDockWidget(tr("Outline"), this);
    outlineDock->setObjectName(QStringLiteral("outlineDock"));
    outlineDock->setWidget(m_outline);
    addDockWidget(Qt::LeftDockWidgetArea, outlineDock);
    m_itemProperties = new ItemProperties(m_outline, this);
    auto* itemDock = new QDockWidget(tr("Item"), this);
    itemDock->setObjectName(QStringLiteral("itemDock"));
    // In a short window the item's fields scroll rather than squeeze the outline above them.
    auto* itemScroll = new QScrollArea(itemDock);
    itemScroll->setObjectName(QStringLiteral("itemScroll"));
    itemScroll->setWidgetResizable(true);
    itemScroll->setFrameShape(QFrame::NoFrame);
    itemScroll->setWidget(m_itemProperties);
    itemDock->setWidget(itemScroll);
    addDockWidget(Qt::LeftDockWidgetArea, itemDock);
    connect(m_outline, &OutlinePanel::statusMessage, this, [this](const QString& text) {
        statusBar()->showMessage(text, 8000);
    });
    m_problemFixes = new ProblemFixes(m_problems, m_outline, m_itemProperties);
    // The selected button's panel stays open on the page, also after the page is built again.
    connect(m_outline, &OutlinePanel::currentNodeChanged, this, [this] {
        const NodePath path = m_outline->CurrentPath();
        OpenButtonPanel(m_livePage->view(), path.empty() ? -1 : path.front());
    });
    connect(m_livePage, &LivePage::pageShown, this, [this](bool ok) {
        const NodePath path = m_outline->CurrentPath();
        if (ok && !path.empty())
            OpenButtonPanel(m_livePage->view(), path.front());
    });
    ShowSiteInItemProperties();

#ifdef TRELLIS_STUDIO_BREAKPOINT_PANEL
    m_breakpoints = new BreakpointPanel(this);
    auto* breakpointDock = new QDockWidget(tr("Breakpoints"), this);
    breakpointDock->setObjectName(QStringLiteral("breakpointDock"));
    breakpointDock->setWidget(m_breakpoints);
    addDockWidget(Qt::LeftDockWidgetArea, breakpointDock);
    connect(m_breakpoints, &BreakpointPanel::breakpointChosen, this, &MainWindow::SwitchBreakpoint);
    connect(m_breakpoints, &BreakpointPanel::addRequested, this, &MainWindow::AddBreakpoint);
    connect(m_breakpoints, &BreakpointPanel::removeRequested, this, &MainWindow::RemoveBreakpoint);
    // One column on the left: the outline and the breakpoints share its upper part as tabs, so the
    // outline keeps its height; the selected item's properties stay in sight below.
    tabifyDockWidget(outlineDock, breakpointDock);
    outlineDock->raise();
#endif
    // The left column runs the window's full height; the problems sit under the page only.
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
}

void MainWindow::CreateActions()
{
    auto make = [this](const QString& text, QKeySequence shortcut, QStyle::StandardPixmap icon = QStyle::SP_CustomBase) {
        auto* action = new QAction(text, this);
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        if (icon != QStyle::SP_CustomBase)
            action->setIcon(style()->standardIcon(icon));
        return action;
    };
    // The second generation first: it is the one Ctrl+N makes.
    int slot = 0;
    for (auto it = KnownGenerations().rbegin(); it != KnownGenerations().rend() && slot < 2; ++it, ++slot) {
        const Generation& generation = **it;
        const int ordinal = int(KnownGenerations().size()) - slot;  // 1 for the first generation
        const QString text = tr("&%1 %2 Menu (%3 generation)")
                                 .arg(ordinal)
                                 .arg(QString::fromStdString(GenerationName(generation)),
                                      QString::fromUtf8(GenerationOrdinal(generation)));
        m_newActions[slot] = make(text, slot == 0 ? QKeySequence(QKeySequence::New) : QKeySequence(),
                                  slot == 0 ? QStyle::SP_FileIcon : QStyle::SP_CustomBase);
        m_newActions[slot]->setObjectName(QStringLiteral("new%1").arg(ordinal));
        m_newActions[slot]->setStatusTip(tr("Start a new menu of the %1 module").arg(Caption(generation)));
        connect(m_newActions[slot], &QAction::triggered, this, [this, &generation] { NewMenu(generation); });
    }

    m_openAction = make(tr("&Open…"), QKeySequence::Open, QStyle::SP_DialogOpenButton);
    connect(m_openAction, &QAction::triggered, this, &MainWindow::ChooseAndOpen);
    m_saveAction = make(tr("&Save"), QKeySequence::Save, QStyle::SP_DialogSaveButton);
    connect(m_saveAction, &QAction::triggered, this, &MainWindow::Save);
    m_saveAsAction = make(tr("Save &As…"), QKeySequence::SaveAs);
    connect(m_saveAsAction, &QAction::triggered, this, &MainWindow::ChooseAndSaveAs);
    m_importAction = make(tr("&Import…"), QKeySequence(Qt::CTRL | Qt::Key_I));
    m_importAction->setStatusTip(tr("Replace the menu by the one of a menu file; Undo brings it back"));
    connect(m_importAction, &QAction::triggered, this, &MainWindow::ChooseAndImport);
    m_publishAction = make(tr("&Publish…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    m_publishAction->setStatusTip(tr("Publish the menu as a new page, or into the pages of a site folder"));
    connect(m_publishAction, &QAction::triggered, this, &MainWindow::ChooseAndPublish);
    m_browserAction = make(tr("Open in &Browser"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B), QStyle::SP_ComputerIcon);
    connect(m_browserAction, &QAction::triggered, this, &MainWindow::OpenInBrowser);
    m_preferencesAction = make(tr("Pre&ferences…"), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    m_preferencesAction->setMenuRole(QAction::PreferencesRole);
    connect(m_preferencesAction, &QAction::triggered, this, &MainWindow::EditPreferences);
    m_quitAction = make(tr("&Quit"), QKeySequence::Quit);
    m_quitAction->setMenuRole(QAction::QuitRole);
    connect(m_quitAction, &QAction::triggered, this, &QWidget::close);

    m_undoAction = m_undo->createUndoAction(this, tr("&Undo"));
    m_undoAction->setShortcuts(QKeySequence::Undo);
    m_undoAction->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_redoAction = m_undo->createRedoAction(this, tr("&Redo"));
    m_redoAction->setShortcuts(QKeySequence::Redo);
    m_redoAction->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    m_propertiesAction = make(tr("Menu &Properties…"), QKeySequence(Qt::ALT | Qt::Key_Return),
                              QStyle::SP_FileDialogDetailedView);
    m_propertiesAction->setStatusTip(tr("Edit the menu's buttons, links, icons and styles"));
    connect(m_propertiesAction, &QAction::triggered, this, &MainWindow::EditProperties);

    m_reloadPageAction = make(tr("&Reload Page"), QKeySequence::Refresh, QStyle::SP_BrowserReload);
    connect(m_reloadPageAction, &QAction::triggered, this, [this] { m_livePage->ReloadMenu(*m_document); });
    m_aboutAction = make(tr("&About Trellis Studio"), QKeySequence());
    m_aboutAction->setMenuRole(QAction::AboutRole);
    connect(m_aboutAction, &QAction::triggered, this, [this] {
        QMessageBox::about(this, tr("About Trellis Studio"),
                           tr("<p><b>Trellis Studio</b> %1</p><p>Design responsive mega menus: the design view, the "
                              "live page, the properties of the Trellis modules, and publishing.</p>")
                               .arg(QApplication::applicationVersion()));
    });
}

void MainWindow::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QMenu* newMenu = file->addMenu(tr("&New"));
    newMenu->setObjectName(QStringLiteral("newMenu"));
    for (QAction* action : m_newActions)
        newMenu->addAction(action);
    file->addAction(m_openAction);
    m_recentMenu = file->addMenu(tr("Open &Recent"));
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    file->addSeparator();
    file->addAction(m_saveAction);
    file->addAction(m_saveAsAction);
    file->addAction(m_importAction);
    file->addSeparator();
    file->addAction(m_publishAction);
    file->addAction(m_browserAction);
    file->addSeparator();
    file->addAction(m_quitAction);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(m_undoAction);
    edit->addAction(m_redoAction);
    edit->addSeparator();
    for (QAction* action : {m_outline->cutAction(), m_outline->copyAction(), m_outline->pasteAction(),
                            m_outline->deleteAction(), m_outline->duplicateAction(), m_outline->renameAction()})
        edit->addAction(action);
    edit->addSeparator();
    edit->addAction(m_propertiesAction);
    edit->addSeparator();
    edit->addAction(m_preferencesAction);

    QMenu* outlineMenu = menuBar()->addMenu(tr("&Outline"));
    outlineMenu->setObjectName(QStringLiteral("outlineMenu"));
    for (QAction* action : {m_outline->addButtonAction(), m_outline->addGroupAction(), m_outline->addLinkAction(),
                            m_outline->addDividerAction()})
        outlineMenu->addAction(action);
    outlineMenu->addSeparator();
    outlineMenu->addAction(m_outline->moveUpAction());
    outlineMenu->addAction(m_outline->moveDownAction());
    outlineMenu->addSeparator();
    outlineMenu->addAction(m_outline->makePlainLinkAction());
    outlineMenu->addAction(m_outline->makePanelAction());

    m_viewMenu = menuBar()->addMenu(tr("&View"));
    m_viewMenu->addAction(m_reloadPageAction);
    m_viewMenu->addSeparator();
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        m_viewMenu->addAction(dock->toggleViewAction());

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(m_aboutAction);
    help->addAction(tr("About &Qt"), qApp, &QApplication::aboutQt);
}

void MainWindow::CreateToolBar()
{
    QToolBar* bar = addToolBar(tr("Main"));
    bar->setObjectName(QStringLiteral("mainToolBar"));
    bar->addAction(m_newActions[0]);
    bar->addAction(m_openAction);
    bar->addAction(m_saveAction);
    bar->addSeparator();
    bar->addAction(m_undoAction);
    bar->addAction(m_redoAction);
    bar->addSeparator();
    bar->addAction(m_propertiesAction);
    bar->addAction(m_browserAction);
    bar->addAction(m_reloadPageAction);
    m_viewMenu->addAction(bar->toggleViewAction());
}

// ---- The road of every change

void MainWindow::TakeDocument(MenuDocument document)
{
    m_document = std::move(document);
    m_designView->SetDocument(&*m_document);
    m_undo->clear();
    m_recovery.Remove();
    MenuChanged();
}

void MainWindow::RecordChange(const QString& text, const std::string& before)
{
    // Draw records the bar height in the block; drawing first keeps that out of the next step.
    m_designView->repaint();
    std::string after = m_document->Block();
    m_undo->push(new MenuSnapshot(text, before, std::move(after), [this](const std::string& block) { RestoreBlock(block); }));
    MenuChanged();
}

bool MainWindow::CommitBlock(const QString& text, const std::string& block, const QString& mergeKey)
{
    const std::string before = m_document->Block();
    if (block == before)
        return true;
    try {
        m_document->Restore(block);
    } catch (...) {
        ShowError(CurrentErrorText());
        return false;
    }
    m_designView->repaint();
    std::string after = m_document->Block();
    m_undo->push(new FieldSnapshot(text, before, std::move(after), mergeKey,
                                   [this](const std::string& restored) { RestoreBlock(restored); }));
    MenuChanged();
    return true;
}

void MainWindow::RestoreBlock(const std::string& block)
{
    try {
        m_document->Restore(block);
    } catch (...) {
        ShowError(CurrentErrorText());
    }
    MenuChanged();
}

void MainWindow::MenuChanged()
{
    m_designView->updateGeometry();
    m_designView->update();
    m_livePage->ShowMenu(*m_document);
    try {
        m_outline->ShowMenu(m_document->Block(), m_document->generation(),
                            CString::FromUtf8(HostFontFolders(m_document->settings()).library));
    } catch (...) {
        statusBar()->showMessage(tr("The outline could not show the menu: %1").arg(CurrentErrorText()));
    }
    try {
        m_problems->ShowProblems(m_document->Problems());
        m_problemFixes->Describe();
    } catch (...) {
        m_problems->ShowFailure(tr("The menu could not be checked: %1").arg(CurrentErrorText()));
    }
#ifdef TRELLIS_STUDIO_BREAKPOINT_PANEL
    try {
        m_breakpoints->SetBreakpoints(m_document->BreakpointKeys(), m_document->currentBreakpoint());
    } catch (...) {
        m_breakpoints->SetBreakpoints({}, m_document->currentBreakpoint());
    }
#endif
    UpdateTitle();
}

void MainWindow::WriteRecovery()
{
    if (m_undo->isClean()) {
        m_recovery.Remove();
        return;
    }
    try {
        m_recovery.Write({GenerationName(m_document->generation()), m_document->path(), m_document->FileBlock()});
    } catch (...) {
        statusBar()->showMessage(tr("Unsaved work is not protected: %1").arg(CurrentErrorText()));
    }
}

void MainWindow::UpdateTitle()
{
    const QString path = QString::fromStdString(m_document->path());
    const QString name = path.isEmpty() ? tr("Untitled") : QFileInfo(path).fileName();
    setWindowTitle(tr("%1[*] — Trellis Studio").arg(name));
    setWindowFilePath(path);
    setWindowModified(!m_undo->isClean());
    if (m_generationLabel) {
        QString text = Caption(m_document->generation());
        if (m_document->currentBreakpoint() != -1)
            text += tr(", breakpoint %1").arg(m_document->currentBreakpoint());
        if (m_problems->ProblemCount() > 0)
            text += tr(", %n problem(s)", nullptr, m_problems->ProblemCount());
        m_generationLabel->setText(text);
    }
}

void MainWindow::ShowError(const QString& line)
{
    QMessageBox::warning(this, tr("Trellis Studio"), line);
}

// ---- Files

bool MainWindow::MaybeSave()
{
    if (m_undo->isClean())
        return true;
    const QString path = QString::fromStdString(m_document->path());
    QMessageBox box(QMessageBox::Warning, tr("Trellis Studio"),
                    tr("Save the changes to %1 before closing it?")
                        .arg(path.isEmpty() ? tr("the new menu") : QFileInfo(path).fileName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("unsavedChanges"));
    box.setInformativeText(tr("Your changes will be lost if you don't save them."));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Save();
    case QMessageBox::Discard:
        m_recovery.Remove();
        return true;
    default:
        return false;
    }
}

bool MainWindow::NewMenu(const Generation& generation)
{
    if (!MaybeSave())
        return false;
    try {
        TakeDocument(MenuDocument(generation, CurrentHostSettings()));
    } catch (...) {
        ShowError(CurrentErrorText());
        return false;
    }
    statusBar()->showMessage(tr("New %1 menu").arg(Caption(generation)), 5000);
    return true;
}

bool MainWindow::OpenFile(const QString& path)
{
    if (!MaybeSave())
        return false;
    try {
        TakeDocument(MenuDocument::Open(path.toStdString(), m_document->generation(), CurrentHostSettings()));
    } catch (...) {
        ShowError(CurrentErrorText());
        return false;
    }
    studio_settings::AddRecentFile(path);
    UpdateRecentMenu();
    statusBar()->showMessage(tr("Opened %1").arg(path), 5000);
    return true;
}

bool MainWindow::Save()
{
    if (m_document->path().empty())
        return ChooseAndSaveAs();
    return SaveAs(QString::fromStdString(m_document->path()));
}

bool MainWindow::SaveAs(const QString& path)
{
    try {
        m_document->Save(path.toStdString());
    } catch (...) {
        ShowError(CurrentErrorText());
        return false;
    }
    m_undo->setClean();
    m_recovery.Remove();
    studio_settings::AddRecentFile(path);
    UpdateRecentMenu();
    UpdateTitle();
    statusBar()->showMessage(tr("Saved %1").arg(path), 5000);
    return true;
}

bool MainWindow::ImportMenu(const QString& path)
{
    const std::string before = m_document->Block();
    try {
        MenuDocument imported = MenuDocument::Open(path.toStdString(), m_document->generation(), CurrentHostSettings());
        if (&imported.generation() != &m_document->generation())
            throw CommandError(path.toStdString() + ": a menu of the " + GenerationName(imported.generation()) +
                               " module; open it instead of importing it into a " +
                               GenerationName(m_document->generation()) + " menu");
        m_document->Restore(imported.Block());
    } catch (...) {
        ShowError(CurrentErrorText());
        return false;
    }
    RecordChange(tr("Import %1").arg(QFileInfo(path).fileName()), before);
    return true;
}

void MainWindow::EditProperties()
{
    const std::string before = m_document->Block();
    try {
        if (!m_document->RunProperties(this))
            return;
    } catch (...) {
        ShowError(CurrentErrorText());
        return;
    }
    RecordChange(tr("Properties"), before);
}

void MainWindow::SwitchBreakpoint(int32_t key)
{
    try {
        m_document->SwitchBreakpoint(key);
    } catch (...) {
        ShowError(CurrentErrorText());
    }
    // The page follows to the width whose rules the designer now edits.
    m_livePage->ChooseWidth(key > 0 ? key : 0);
    MenuChanged();
}

void MainWindow::AddBreakpoint(int32_t width)
{
    const std::string before = m_document->Block();
    try {
        m_document->AddBreakpoint(width);
    } catch (...) {
        ShowError(CurrentErrorText());
        return;
    }
    RecordChange(tr("Add Breakpoint %1 px").arg(width), before);
}

void MainWindow::RemoveBreakpoint(int32_t key)
{
    const std::string before = m_document->Block();
    try {
        m_document->RemoveBreakpoint(key);
    } catch (...) {
        ShowError(CurrentErrorText());
        return;
    }
    RecordChange(tr("Remove Breakpoint %1 px").arg(key), before);
}

void MainWindow::ChooseAndOpen()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Menu"), QString(), kMenuFilter);
    if (!path.isEmpty())
        OpenFile(path);
}

bool MainWindow::ChooseAndSaveAs()
{
    QString start = QString::fromStdString(m_document->path());
    if (start.isEmpty())
        start = QDir::home().filePath(tr("menu.json"));
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Menu As"), start, kMenuFilter);
    return !path.isEmpty() && SaveAs(path);
}

void MainWindow::ChooseAndImport()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import Menu"), QString(), kMenuFilter);
    if (!path.isEmpty())
        ImportMenu(path);
}

void MainWindow::UpdateRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = studio_settings::RecentFiles();
    int number = 0;
    for (const QString& file : files) {
        ++number;
        const QString text = number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(QFileInfo(file).fileName())
                                         : QFileInfo(file).fileName();
        QAction* action = m_recentMenu->addAction(text);
        action->setStatusTip(file);
        connect(action, &QAction::triggered, this, [this, file] {
            if (!QFileInfo::exists(file)) {
                ShowError(tr("%1: the file is no longer there").arg(file));
                studio_settings::RemoveRecentFile(file);
                UpdateRecentMenu();
                return;
            }
            OpenFile(file);
        });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}

// ---- Publishing

bool MainWindow::PublishTo(const QString& folder, const QString& name)
{
    PublishRequest request;
    request.out = folder.toStdString();
    if (!name.isEmpty())
        request.name = name.toStdString();
    try {
        const WriteReport report = m_document->Publish(request);
        statusBar()->showMessage(tr("Published %1 files to %2").arg(report.written.size() + report.fonts.size() +
                                                                   report.linked.size())
                                     .arg(folder),
                                 8000);
    } catch (...) {
        ShowError(CurrentErrorText());
        return false;
    }
    if (!m_document->path().empty())
        studio_settings::SetPublishFolderFor(QString::fromStdString(m_document->path()), folder);
    return true;
}

bool MainWindow::PublishInto(const QString& folder, const QString& name)
{
    PublishRequest request;
    request.out = folder.toStdString();
    if (!name.isEmpty())
        request.name = name.toStdString();
    QString message;
    try {
        const SitePublishing run = m_document->PublishInto(request);
        message = QString::fromStdString(SitePublishingSummary(request, run.prepared));
        // What was left out (a page that could not be read, a font the folders lack) is said after.
        std::vector<std::string> notes = run.prepared.notes;
        notes.insert(notes.end(), run.prepared.menu.assets.notes.begin(), run.prepared.menu.assets.notes.end());
        if (!notes.empty())
            message += tr("; %n note(s), the first: %1", nullptr, int(notes.size()))
                           .arg(QString::fromStdString(notes.front()));
    } catch (...) {
        ShowError(CurrentErrorText());
        return false;
    }
    message[0] = message[0].toUpper();
    statusBar()->showMessage(message, 15000);
    studio_settings::SetLastSiteFolder(folder);
    return true;
}

void MainWindow::ChooseAndPublish()
{
    PublishChoice start;
    if (!m_document->path().empty())
        start.pageFolder = studio_settings::PublishFolderFor(QString::fromStdString(m_document->path()));
    start.siteFolder = studio_settings::LastSiteFolder();
    if (start.siteFolder.isEmpty())
        start.siteFolder = m_site.folder;
    start.intoSite = studio_settings::LastPublishedIntoSite();
    start.name = studio_settings::PublishName();
    PublishDialog dialog(start, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PublishChoice choice = dialog.Choice();
    studio_settings::SetLastPublishedIntoSite(choice.intoSite);
    studio_settings::SetPublishName(choice.name);
    if (choice.intoSite)
        PublishInto(choice.siteFolder, choice.name);
    else
        PublishTo(choice.pageFolder, choice.name);
}

void MainWindow::OpenInBrowser()
{
    if (!m_browserFolder.isValid()) {
        ShowError(tr("No temporary folder to publish into: %1").arg(m_browserFolder.errorString()));
        return;
    }
    // A folder per opening: the browser may still show an earlier one.
    const QString folder = QDir(m_browserFolder.path()).filePath(QStringLiteral("page-%1").arg(++m_browserBuild));
    PublishRequest request;
    request.out = folder.toStdString();
    try {
        m_document->Publish(request);
    } catch (...) {
        ShowError(CurrentErrorText());
        return;
    }
    const QUrl page = QUrl::fromLocalFile(QDir(folder).filePath(QStringLiteral("index.html")));
    if (!m_openUrl(page))
        ShowError(tr("%1: no browser could be started to show the page").arg(page.toLocalFile()));
}

void MainWindow::EditPreferences()
{
    PreferencesDialog dialog(studio_settings::LoadHostPreferences(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const HostPreferences chosen = dialog.Preferences();
    const HostPreferences previous = studio_settings::LoadHostPreferences();
    const ScannedSite previousSite = m_site;
    // By value: the line may be the scan's own, which the earlier site replaces.
    auto keepPrevious = [&](QString line) {
        studio_settings::SaveHostPreferences(previous);
        m_site = previousSite;
        ShowError(line);
    };
    studio_settings::SaveHostPreferences(chosen);
    // The folder is read again even when it is the same: its pages may have changed.
    ScanSiteFolderSetting();
    if (!m_site.folder.isEmpty() && !m_site.structure && !m_site.problem.isEmpty())
        return keepPrevious(m_site.problem);
    try {
        m_document->SetHostSettings(CurrentHostSettings());
    } catch (...) {
        // The folders or the site structure the object cannot take: the earlier ones stay.
        return keepPrevious(CurrentErrorText());
    }
    if (!chosen.siteFolder.isEmpty() && chosen.siteFolder != previous.siteFolder)
        studio_settings::SetLastSiteFolder(chosen.siteFolder);
    ShowSiteInItemProperties();
    MenuChanged();
    if (!m_site.problem.isEmpty())
        statusBar()->showMessage(m_site.problem, 15000);
}

// ---- Recovery

void MainWindow::OfferRecovery()
{
    for (const RecoveryFile::Found& found : RecoveryFile::FindAbandoned(QFileInfo(m_recovery.path()).absolutePath())) {
        const QString path = QString::fromStdString(found.content.path);
        QMessageBox box(QMessageBox::Question, tr("Trellis Studio"),
                        tr("Trellis Studio ended without saving the changes to %1. Restore them?")
                            .arg(path.isEmpty() ? tr("a new menu") : path),
                        QMessageBox::NoButton, this);
        box.setObjectName(QStringLiteral("recoveryOffer"));
        QPushButton* restore = box.addButton(tr("&Restore"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Discard);
        QPushButton* later = box.addButton(tr("&Later"), QMessageBox::RejectRole);
        box.setDefaultButton(restore);
        box.setEscapeButton(later);
        box.exec();
        if (box.clickedButton() == later)
            continue;
        if (box.clickedButton() != restore) {
            QFile::remove(found.file);
            continue;
        }
        const Generation* generation = GenerationNamed(found.content.generation);
        if (!generation) {
            ShowError(tr("%1: the recovered menu is of an unknown module '%2'")
                          .arg(found.file, QString::fromStdString(found.content.generation)));
            continue;
        }
        if (!MaybeSave())
            return;
        try {
            // The file the work belongs to, when it is still there, is what Undo goes back to.
            std::optional<MenuDocument> base;
            if (!path.isEmpty() && QFileInfo::exists(path)) {
                try {
                    base.emplace(MenuDocument::Open(found.content.path, *generation, CurrentHostSettings()));
                } catch (...) {
                }
            }
            if (!base || &base->generation() != generation) {
                base.emplace(*generation, CurrentHostSettings());
                base->setPath(found.content.path);
            }
            TakeDocument(std::move(*base));
            const std::string before = m_document->Block();
            m_document->Restore(found.content.block);
            RecordChange(tr("Recover Unsaved Changes"), before);
        } catch (...) {
            ShowError(CurrentErrorText());
            continue;
        }
        QFile::remove(found.file);
        statusBar()->showMessage(tr("Restored the unsaved changes"), 8000);
        return;
    }
}

// ---- Window events

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!MaybeSave()) {
        event->ignore();
        return;
    }
    m_recovery.Remove();
    studio_settings::SaveWindow(saveGeometry(), saveState(kLayoutVersion));
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    // The drop's event must end before the open asks its questions.
    const QString path = urls.front().toLocalFile();
    QMetaObject::invokeMethod(this, [this, path] { OpenFile(path); }, Qt::QueuedConnection);
}
