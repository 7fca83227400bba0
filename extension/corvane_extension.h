// CCorvaneExtension: the menu object the host creates and drives through 41 virtual operations.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "extension/generation.h"
#include "icons/icon_library.h"
#include "icons/xml_document.h"
#include "model/menu_settings.h"
#include "platform/arrays.h"
#include "platform/cstring.h"
#include "platform/device_context.h"
#include "platform/exceptions.h"
#include "platform/geometry.h"
#include "platform/window_handle.h"

class CArchive;

// The virtual operations keep the host's slot order: do not reorder, insert or remove any.
// Text comes in as NUL-terminated UTF-16 that is valid only during the call.
class TRELLIS_VISIBLE CCorvaneExtension : public CMenuSettings {
public:
    explicit CCorvaneExtension(const Generation& generation);

    /*  0 */ virtual ~CCorvaneExtension();
    /*  1 */ virtual int GetVersion();
    /*  2 */ virtual void Draw(HDC dc, const RECT* bounds);
    /*  3 */ virtual void Properties(HWND parent);
    /*  4 */ virtual CString GetHtml(const char16_t* unused);
    /*  5 */ virtual CString GetBeginOfBodyHTML();
    /*  6 */ virtual int CopyFiles(const char16_t* destination, const char16_t* unused);
    /*  7 */ virtual void Move(const RECT* bounds);
    /*  8 */ virtual void Serialize(CArchive& ar);
    /*  9 */ virtual int UseDIV();
    /* 10 */ virtual void GetMinimumSize(int& width, int& height);
    /* 11 */ virtual CString GetBkColor();
    /* 12 */ virtual CString GetBkImage();
    /* 13 */ virtual CString GetEndOfBodyHTML();
    /* 14 */ virtual void SetAssetFileName(int index, const char16_t* name);
    /* 15 */ virtual void SetSiteStructure(const char16_t* xml);
    /* 16 */ virtual void SetID(int id);
    /* 17 */ virtual int GetAssetCount();
    /* 18 */ virtual int GetURLCount();
    /* 19 */ virtual CString GetURL(int index);
    /* 20 */ virtual void SetURL(int index, const char16_t* text);
    /* 21 */ virtual CString GetHeaderHtml();
    /* 22 */ virtual int IncludePngFix();
    /* 23 */ virtual CString GetAssetFileName(int index);
    /* 24 */ virtual void SetRootFolder(const char16_t* folder);
    /* 25 */ virtual CString GetDocumentReadyScript();
    /* 26 */ virtual void IncludeResource(CStringArray& resources);
    /* 27 */ virtual CString GetStartofPageHTML();
    /* 28 */ virtual void SetPublishFolders(CStringArray& table);
    /* 29 */ virtual void SetSharedFolder(const char16_t* folder);
    /* 30 */ virtual void SetStyleSheet(const char16_t* styleSheet);
    /* 31 */ virtual void SetUniqueName(const char16_t* name);
    /* 32 */ virtual CString GetTheme();
    /* 33 */ virtual CString GetUniqueName();
    /* 34 */ virtual CString GetCSS();
    /* 35 */ virtual void IncludeFonts(CStringArray& fonts);
    /* 36 */ virtual int GetDisplayMode();
    /* 37 */ virtual void LoadBreakpointData(int breakpoint, int unused);
    /* 38 */ virtual CString GetBreakPointCSS(int a, int b, int breakpoint, int d);
    /* 39 */ virtual void SetFontLibraryFolder(const char16_t* libraryFolder, const char16_t* fontAwesomeFolder);
    /* 40 */ virtual CString GetFontLibrary();

    // Link services: every node of the tree numbered in pre-order.
    CMenuItem* GetMenuItem(int index, int& counter, CMenuItem* parent);
    int GetURLCountMenu(CMenuItem* node);

    CString GetRealURL(const char16_t* url) const;

    // Publishing assets.
    CString GetPublishSubFolder(const char16_t* path) const;
    // Creates the publish subfolder of the file's type below the destination; returns it with a
    // trailing "/", or empty text.
    CString PrepareImagesFolder(const char16_t* destination, const char16_t* path) const;
    CString GetFontAwesomeFileName() const;
    // Opens the help document beside the module with the desktop's viewer; failures are ignored.
    void OpenHelpDocument() const;

    // The transition easing as CSS.
    CString GetEasing() const;

    // The icon engine, over the folders the host gave and the object's glyph cache.
    CString GetIconFontFileName(const CString& library) const;
    void GetIconFontMap(const CString& library, CStringArray& map) const;
    CString GetIconFontGlyph(const CString& library, const CString& icon);
    CString GetFamilyName(const CString& library) const;
    CString GetIconSVG(const CString& icon, const CString& cssClass);
    CString GetFontAwesomeSVG(const CString& icon, int& unitsPerEm, int& advance) const;
    CString GetMaterialIconSVG(const CString& icon, int& unitsPerEm, int& advance) const;
    CString GetIconCSS(const CStringArray& names, int size, int margin) const;

    const Generation& GetGeneration() const { return m_generation; }

    RECT m_rcBounds;
    // The host's site structure, kept for the page picker and the link editor.
    CXmlDocument m_xmlSiteStructure;

    // Forgets where the last lookup by running index ended. The virtual operations that change
    // the tree call it; code that changes m_arrButtons directly and then asks for slots calls it too.
    void ForgetLinkCursor();

private:
    // The node with the running index, or null: one step per index from the last lookup when that
    // lies before it, so the host's walk over every slot in turn is linear in the number of nodes.
    CMenuItem* FindSlot(int index);
    bool LinkCursorIsValid() const;
    bool StepLinkCursor();

    // The icon libraries under the folders the host gave last.
    CIconLibrary IconLibrary() const { return CIconLibrary(m_strFontLibraryFolder, m_strFontAwesomeFolder); }

    const Generation& m_generation;

    // Where the last lookup by running index ended: the node's index and, from the buttons down,
    // each array on the way with the position in it. The array addresses are only compared with
    // the ones found again from m_arrButtons, never followed, so a changed tree is never misread
    // as memory; the virtual operations that change the tree reset it.
    struct LinkCursor {
        int index = -1;
        std::vector<std::pair<const CArray<CMenuItem>*, int>> path;
    };
    LinkCursor m_linkCursor;
};
