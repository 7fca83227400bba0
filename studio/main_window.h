// MainWindow: Trellis Studio's window over one menu object: the design view, the live page, the
// problems, the files, undo of every change, and a recovery file that keeps unsaved work.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QMainWindow>
#include <QTemporaryDir>

#include "host/loader/host_settings.h"
#include "studio/menu_document.h"
#include "studio/recovery_file.h"
#include "studio/scanned_site.h"

class DesignView;
class ItemProperties;
class OutlinePanel;
class ProblemFixes;
class LivePage;
class ProblemsPanel;
class QAction;
class QLabel;
class QMenu;
class QUndoStack;
struct Generation;
#ifdef TRELLIS_STUDIO_BREAKPOINT_PANEL
class BreakpointPanel;
#endif

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `commandLine` holds the host settings given when the studio was started; they stand over the
    // preferences. The window starts with a new menu of the generation it names (or the default).
    explicit MainWindow(const HostSettings& commandLine, const QString& recoveryFolder = RecoveryFile::DefaultFolder(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Each asks about unsaved changes first where it replaces the menu; false when the user
    // cancelled or the work failed (the failure is shown in one dialog line).
    bool NewMenu(const Generation& generation);
    bool OpenFile(const QString& path);
    bool Save();
    bool SaveAs(const QString& path);
    // Replaces the menu by the one of a menu file, as a change that can be undone.
    bool ImportMenu(const QString& path);
    // The module's properties sheet; after OK the change is an undo step.
    void EditProperties();
    // An edit of the studio's own (the outline, the item's properties): the new block goes into the
    // object through its Serialize as one undo step; steps of the same non-empty merge key in a row
    // become one. False when the object refused the block (said in one dialog line).
    bool CommitBlock(const QString& text, const std::string& block, const QString& mergeKey = {});
    // Publishes the menu as a new page into `folder`, or into the pages of the site in `folder`
    // that hold its marker; `name` is the menu's name in the page (MegaMenu1 when empty). The
    // result goes to the status bar; a failure is one dialog line and leaves every file as it was.
    bool PublishTo(const QString& folder, const QString& name = {});
    bool PublishInto(const QString& folder, const QString& name = {});
    // Offers the unsaved work of a studio that ended without saving, if there is any.
    void OfferRecovery();

    MenuDocument& document() { return *m_document; }
    QUndoStack* undoStack() const { return m_undo; }
    DesignView* designView() const { return m_designView; }
    LivePage* livePage() const { return m_livePage; }
    ProblemsPanel* problemsPanel() const { return m_problems; }
    OutlinePanel* outlinePanel() const { return m_outline; }
    ItemProperties* itemProperties() const { return m_itemProperties; }
    ProblemFixes* problemFixes() const { return m_problemFixes; }
    const RecoveryFile& recoveryFile() const { return m_recovery; }

    // How "Open in Browser" hands a page to the system (QDesktopServices::openUrl unless replaced).
    void SetUrlOpener(std::function<bool(const QUrl&)> opener) { m_openUrl = std::move(opener); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreatePanels();

    // Save / Discard / Cancel when the menu has unsaved changes; true when the work may go on.
    bool MaybeSave();
    // A new menu in the window: the undo history starts again and the recovery file goes.
    void TakeDocument(MenuDocument document);
    // A change already made to the object, kept as an undo step from `before` to the block now.
    void RecordChange(const QString& text, const std::string& before);
    void RestoreBlock(const std::string& block);
    // After every change: the design view, the live page, the problems, the title, the recovery file.
    void MenuChanged();
    void WriteRecovery();
    void UpdateTitle();
    void UpdateRecentMenu();
    void ShowError(const QString& line);
    HostSettings CurrentHostSettings() const;
    // Scans the preferences' site folder again, unless the command line gave the site.
    void ScanSiteFolderSetting();
    // The item panel's link editor offers the site the object was given.
    void ShowSiteInItemProperties();

    void ChooseAndOpen();
    bool ChooseAndSaveAs();
    void ChooseAndImport();
    void ChooseAndPublish();
    void OpenInBrowser();
    void EditPreferences();
    // The breakpoint panel's requests; adding and removing are undo steps, switching is not (the
    // block a file keeps stays the same).
    void SwitchBreakpoint(int32_t key);
    void AddBreakpoint(int32_t width);
    void RemoveBreakpoint(int32_t key);

    HostSettings m_commandLine;
    ScannedSite m_site;
    std::optional<MenuDocument> m_document;
    RecoveryFile m_recovery;
    QUndoStack* m_undo;
    std::function<bool(const QUrl&)> m_openUrl;
    QTemporaryDir m_browserFolder;
    int m_browserBuild = 0;

    DesignView* m_designView = nullptr;
    LivePage* m_livePage = nullptr;
    ProblemsPanel* m_problems = nullptr;
    OutlinePanel* m_outline = nullptr;
    ItemProperties* m_itemProperties = nullptr;
    ProblemFixes* m_problemFixes = nullptr;
#ifdef TRELLIS_STUDIO_BREAKPOINT_PANEL
    BreakpointPanel* m_breakpoints = nullptr;
#endif
    QLabel* m_generationLabel = nullptr;
    QMenu* m_recentMenu = nullptr;
    QMenu* m_viewMenu = nullptr;

    QAction* m_newActions[2] = {nullptr, nullptr};
    QAction* m_openAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QAction* m_importAction = nullptr;
    QAction* m_publishAction = nullptr;
    QAction* m_browserAction = nullptr;
    QAction* m_preferencesAction = nullptr;
    QAction* m_quitAction = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_propertiesAction = nullptr;
    QAction* m_reloadPageAction = nullptr;
    QAction* m_aboutAction = nullptr;
};
