// CMenuSettings: the settings record of one menu object, its defaults and its breakpoint records.
#pragma once

#include <cstdint>
#include <span>

#include "model/menu_item.h"
#include "platform/arrays.h"
#include "platform/cstring.h"
#include "platform/geometry.h"
#include "platform/string_map.h"

class CArchive;
struct StoredField;

constexpr COLORREF kTransparent = 0xFF000000;

class CMenuSettings {
public:
    CMenuSettings();  // sets the current breakpoint to -1, then the defaults
    ~CMenuSettings() = default;

    // Every setting to its default (model/settings_fields.cpp), the default four-button menu in
    // place of the buttons, and the record under the current breakpoint key.
    void SetDefaults();

    // Saves the twelve per-breakpoint values under the current key.
    void StoreBreakpointData();
    // Makes the record of the breakpoint current; without a record the values stay as they are.
    void LoadBreakpointData(int32_t breakpoint);
    // The twelve per-breakpoint values as their record text (model/breakpoint_record.h).
    CString BreakpointRecord() const;

    // Writes or reads the project block in the given field layout.
    void SerializeSettings(CArchive& ar, std::span<const StoredField> layout);

    int32_t m_nID = 0;
    CString m_strFontName;
    int32_t m_nFontSize = 0;
    int32_t m_nDropDownFontSize = 0;
    int32_t m_nHeaderFontSize = 0;
    int32_t m_nReserved = 0;
    int32_t m_nFontStyle = 0;
    int32_t m_nMenuAlignment = 0;
    int32_t m_nDropDownTextAlignment = 0;
    int32_t m_nBarBorder = 0;
    int32_t m_nBarHeight = 0;
    CString m_strMaxWidth;
    int32_t m_nDisplayMode = 0;
    int32_t m_nArrowOffset = 0;
    int32_t m_nIconOffset = 0;
    COLORREF m_crShadow = 0;
    int32_t m_nShadowOffsetX = 0;
    int32_t m_nShadowOffsetY = 0;
    int32_t m_nBlurRadius = 0;
    int32_t m_nShadowAlpha = 0;
    CArray<CMenuItem> m_arrButtons;
    CStringArray m_arrPublishFolders;
    COLORREF m_crMenuText = 0;
    COLORREF m_crMenuTextHover = 0;
    COLORREF m_crMenuBackground = 0;
    COLORREF m_crMenuBackgroundHover = 0;
    COLORREF m_crDropDownText = 0;
    COLORREF m_crDropDownTextHover = 0;
    COLORREF m_crDropDownBackground = 0;
    COLORREF m_crDropDownBackgroundHover = 0;
    COLORREF m_crHeader = 0;
    COLORREF m_crDivider = 0;
    int32_t m_nBreakpoint = 0;
    int32_t m_nMenuPaddingBottom = 0;
    int32_t m_nMenuPaddingLeft = 0;
    int32_t m_nMenuPaddingRight = 0;
    int32_t m_nMenuPaddingTop = 0;
    int32_t m_nDropDownPaddingBottom = 0;
    int32_t m_nDropDownPaddingLeft = 0;
    int32_t m_nDropDownPaddingRight = 0;
    int32_t m_nDropDownPaddingTop = 0;
    int32_t m_nDropDownMargin = 0;
    int32_t m_nEasing = 0;
    int32_t m_nDuration = 0;
    int32_t m_nCurrentBreakpoint = -1;
    CMapStringToString m_mapBreakpoints;
    CString m_strIconFont;
    CString m_strFontLibraryFolder;
    CString m_strFontAwesomeFolder;
    int32_t m_bInlineSVG = 0;
    CMapStringToString m_mapGlyphCache;
};

// The address the default menu's links point to.
inline constexpr const char16_t* kDefaultLinkAddress = u"https://www.example.com/";
