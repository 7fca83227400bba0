// The link editor's entry point: one modal run of the dialog, results only on OK.
#include "editor/link_editor.h"

#include "editor/link_editor_dialog.h"

bool RunLinkEditor(QWidget* parent, bool editing, const LinkEditorContext& context, CMenuItem& link)
{
    CLinkEditorDialog dialog(parent, editing, context, link);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.WriteResultsTo(link);
    return true;
}
