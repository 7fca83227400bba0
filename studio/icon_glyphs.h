// IconGlyphs: the icons of the menu's icon library by name, each with its glyph, for the outline's
// pictures and the icon list of the item's properties. The editor's icon list does the lookup.
#pragma once

#include <QFont>
#include <QHash>
#include <QIcon>
#include <QStringList>

#include "platform/cstring.h"

class IconGlyphs {
public:
    // Reads the library's icon names and glyphs again when the library or its folder changed.
    void SetLibrary(const CString& library, const CString& folder);

    const CString& Library() const { return m_library; }
    const CString& Folder() const { return m_folder; }
    const QStringList& Names() const { return m_names; }
    QString Glyph(const QString& name) const { return m_glyphs.value(name); }
    QFont Font() const { return m_font; }
    // The glyph drawn as a small picture; a null icon for a name the library lacks.
    QIcon Icon(const QString& name) const;

private:
    CString m_library;
    CString m_folder;
    bool m_read = false;
    QStringList m_names;
    QHash<QString, QString> m_glyphs;
    QFont m_font;
    mutable QHash<QString, QIcon> m_icons;
};
