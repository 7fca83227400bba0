// Button captions and group titles as the markup writes them.
#pragma once

#include "platform/cstring.h"

// The caption with "&", "<" and ">" escaped and every UTF-16 code unit from 128 upward written
// as a decimal character reference of its own; quotes stay as they are.
void AppendEncodedCaption(CString& out, const CString& caption);

// The group title with every blank written "&nbsp;" so a heading never wraps; nothing else is
// escaped.
void AppendGroupTitle(CString& out, const CString& title);
