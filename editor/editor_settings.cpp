// The per-user store of the editor's remembered state.
#include "editor/editor_settings.h"

#include <QCoreApplication>

std::unique_ptr<QSettings> OpenEditorSettings()
{
    QString organization = QCoreApplication::organizationName();
    if (organization.isEmpty())
        organization = QStringLiteral("Trellis");
    QString application = QCoreApplication::applicationName();
    if (application.isEmpty())
        application = QStringLiteral("Trellis");
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organization,
                                       application);
}
