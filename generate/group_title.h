// Group titles as the markup writes them (captions go through the entity encoder instead).
#pragma once

#include "platform/cstring.h"

// The group title with every blank written "&nbsp;" so a heading never wraps; nothing else is
// escaped.
void AppendGroupTitle(CString& out, const CString& title);
