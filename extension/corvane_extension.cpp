// CCorvaneExtension: construction, the host-set values and the operations that answer constants.
#include "extension/corvane_extension.h"

#include "extension/help_document.h"
#include "extension/properties_editor.h"

#include "generate/generators.h"
#include "generate/style_format.h"
#include "icons/builtin_icons.h"
#include "model/storage_layout.h"
#include "platform/archive.h"
#include "preview/design_view.h"

CCorvaneExtension::CCorvaneExtension(const Generation& generation)
    : m_rcBounds{},
      m_generation(generation)
{
    // CMenuSettings has set the current breakpoint to -1 and applied the defaults.
}

CCorvaneExtension::~CCorvaneExtension() = default;

int CCorvaneExtension::GetVersion() { return 11; }

void CCorvaneExtension::Draw(HDC dc, const RECT* bounds)
{
    if (dc && bounds)
        DrawDesignView(*this, IconLibrary(), *dc, *bounds);
}

void CCorvaneExtension::Properties(HWND parent)
{
    PropertiesEditor editor = InstalledPropertiesEditor();
    if (!editor)
        return;
    // The editor may change the tree.
    ForgetLinkCursor();
    // The editor has written the edited values back; the current breakpoint's record takes them.
    if (editor(parent, m_generation.sheetCaption, m_generation.stylePage(), *this, m_xmlSiteStructure,
               ::OpenHelpDocument))
        StoreBreakpointData();
}

CString CCorvaneExtension::GetHtml(const char16_t*) { return m_generation.markup(*this, IconLibrary()); }

void CCorvaneExtension::Move(const RECT* bounds)
{
    if (bounds)
        m_rcBounds = *bounds;
}

void CCorvaneExtension::Serialize(CArchive& ar)
{
    ForgetLinkCursor();
    SerializeSettings(ar, m_generation.storageLayout());
}

int CCorvaneExtension::UseDIV() { return 1; }

void CCorvaneExtension::GetMinimumSize(int& width, int& height)
{
    GetDesignViewMinimumSize(*this, CreateScreenDeviceContext().get(), width, height);
}

void CCorvaneExtension::SetSiteStructure(const char16_t* xml) { m_xmlSiteStructure.ParseCopyOf(xml); }

void CCorvaneExtension::SetID(int id) { m_nID = id; }

void CCorvaneExtension::SetPublishFolders(CStringArray& table)
{
    m_arrPublishFolders.RemoveAll();
    m_arrPublishFolders.Copy(table);
}

CString CCorvaneExtension::GetCSS() { return m_generation.stylesheet(*this, IconLibrary()); }

CString CCorvaneExtension::GetEasing() const { return ::GetEasing(m_nEasing); }

int CCorvaneExtension::GetDisplayMode() { return m_nDisplayMode; }

void CCorvaneExtension::LoadBreakpointData(int breakpoint, int)
{
    ForgetLinkCursor();
    CMenuSettings::LoadBreakpointData(breakpoint);
}

CString CCorvaneExtension::GetBreakPointCSS(int a, int b, int breakpoint, int d)
{
    return ::GetBreakPointCSS(*this, a, b, breakpoint, d);
}

void CCorvaneExtension::SetFontLibraryFolder(const char16_t* libraryFolder, const char16_t* fontAwesomeFolder)
{
    m_strFontLibraryFolder = CString(libraryFolder);
    m_strFontAwesomeFolder = CString(fontAwesomeFolder);
}

// The operations this menu has no use for: empty text, zero, or nothing done.
CString CCorvaneExtension::GetBeginOfBodyHTML() { return CString(); }
CString CCorvaneExtension::GetBkColor() { return CString(); }
CString CCorvaneExtension::GetBkImage() { return CString(); }
CString CCorvaneExtension::GetEndOfBodyHTML() { return CString(); }
CString CCorvaneExtension::GetHeaderHtml() { return CString(); }
CString CCorvaneExtension::GetStartofPageHTML() { return CString(); }
CString CCorvaneExtension::GetTheme() { return CString(); }
CString CCorvaneExtension::GetUniqueName() { return CString(); }
void CCorvaneExtension::SetAssetFileName(int, const char16_t*) {}
void CCorvaneExtension::SetRootFolder(const char16_t*) {}
void CCorvaneExtension::SetSharedFolder(const char16_t*) {}
void CCorvaneExtension::SetStyleSheet(const char16_t*) {}
void CCorvaneExtension::SetUniqueName(const char16_t*) {}
int CCorvaneExtension::GetAssetCount() { return 0; }
int CCorvaneExtension::IncludePngFix() { return 0; }
CString CCorvaneExtension::GetAssetFileName(int) { return CString(); }
CString CCorvaneExtension::GetDocumentReadyScript() { return CString(); }
