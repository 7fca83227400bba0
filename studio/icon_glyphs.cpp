// The icon library's names and glyphs, taken once per library from the editor's icon list.
#include "studio/icon_glyphs.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

#include "editor/icon_combo_box.h"

void IconGlyphs::SetLibrary(const CString& library, const CString& folder)
{
    if (m_read && library == m_library && folder == m_folder)
        return;
    m_library = library;
    m_folder = folder;
    m_read = true;
    m_names.clear();
    m_glyphs.clear();
    m_icons.clear();
    CIconComboBox list;
    list.SetLibrary(library, folder);
    list.FillIcons();
    m_font = list.GlyphFont();
    // Entry 0 is "(none)".
    for (int i = 1; i < list.count(); ++i) {
        const QString name = list.itemText(i);
        m_names.push_back(name);
        m_glyphs.insert(name, list.GlyphAt(i));
    }
}

QIcon IconGlyphs::Icon(const QString& name) const
{
    if (auto found = m_icons.constFind(name); found != m_icons.constEnd())
        return *found;
    QIcon icon;
    const QString glyph = m_glyphs.value(name);
    if (!glyph.isEmpty()) {
        for (int size : {16, 32}) {
            QPixmap picture(size, size);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            QFont font = m_font;
            font.setPixelSize(size * 7 / 8);
            painter.setFont(font);
            painter.setPen(QGuiApplication::palette().text().color());
            painter.drawText(picture.rect(), Qt::AlignCenter, glyph);
            painter.end();
            icon.addPixmap(picture);
        }
    }
    m_icons.insert(name, icon);
    return icon;
}
