// The script that brings the page on show up to a newer build in place: the build's stylesheets
// join the head, and once they have loaded the old ones leave and the body is replaced, so the
// page never goes blank, keeps its scroll position, and no navigation is paid for.
#pragma once

#include <QMap>
#include <QString>
#include <QUrl>

// The console line the script writes when build `build` is on show ("…:shown:N"), or when it could
// not be applied ("…:failed:N: reason"); the page's console is the one road back from it.
inline const QString kPatchMessagePrefix = QStringLiteral("trellis-studio-build:");

// The script showing `html` (the build's page, as written) with its relative addresses taken from
// `folder` (the build's folder, ending in a slash); `stylesheets` holds the text of the stylesheets
// beside the page, by the file name its links use.
QString PatchPageScript(const QString& html, const QUrl& folder, const QMap<QString, QString>& stylesheets,
                        int build);

struct PatchMessage {
    int build = 0;
    bool shown = false;
    QString reason;
};
// Reads one of the script's console lines; false for any other console message.
bool ParsePatchMessage(const QString& message, PatchMessage* out);
