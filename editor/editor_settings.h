// The per-user store of the editor's remembered state (URL history, the page picker's last folder).
#pragma once

#include <QSettings>
#include <memory>

// The running application's profile: its organization and application names as Qt knows them,
// under "Trellis" when the host set no organization. Tests redirect it with QSettings::setPath.
std::unique_ptr<QSettings> OpenEditorSettings();
