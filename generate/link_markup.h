// The parts of a published link that both generations write alike.
#pragma once

#include "icons/icon_library.h"
#include "model/menu_settings.h"
#include "platform/cstring.h"

// A link whose text is exactly "---" is published as a divider line.
bool IsDivider(const CMenuItem& link);

// Continues an opened `href="`: the published address, the closing quote, the target attribute
// when the link has one, and the end of the start tag.
void AppendLinkAddress(CString& out, const CMenuSettings& menu, const CMenuItem& link);

// The icon and the text of a drop-down link, the icon after the text when the panel's text is
// right-aligned. The text is the author's own markup and is written as stored.
void AppendLinkContent(CString& out, const CMenuSettings& menu, const CIconLibrary& icons, const CMenuItem& link);

// Characters to reserve for the markup of a menu, so the text grows without copying for
// ordinary menus (inline SVG icons may still grow it).
int EstimateMarkupLength(const CMenuSettings& menu);
