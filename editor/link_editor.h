// The link editor's entry point: the modal dialog that edits one link of a drop-down panel.
#pragma once

#include <QWidget>

#include "model/menu_item.h"
#include "platform/cstring.h"

class CXmlDocument;

// What the button editor hands down to the link editor besides the link itself.
struct LinkEditorContext {
    CXmlDocument* siteStructure;   // may be null; read, never owned
    CString iconLibrary;
    CString iconLibraryFolder;
};

// Adds a link when `editing` is false, else edits it. Opens over the link's text, URL, target and
// icon and writes those four back on OK (returning true); Cancel changes nothing.
bool RunLinkEditor(QWidget* parent, bool editing, const LinkEditorContext& context, CMenuItem& link);
