// The font list: installed faces from the font database, sorted, vertical faces left out.
#include "editor/font_combo_box.h"

#include <QFontDatabase>

#include <algorithm>

bool FontNameLess(const QString& a, const QString& b)
{
    const int order = QString::compare(a, b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

CFontCombobox::CFontCombobox(QWidget* parent) : QComboBox(parent)
{
    // Long face names should not widen the whole page; the open list shows them in full.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(16);
    Fill(InstalledFaces());
}

QStringList CFontCombobox::InstalledFaces() const
{
    QStringList faces;
    for (const QString& family : QFontDatabase::families()) {
        if (!m_includeSymbolFonts) {
            const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
            if (systems.size() == 1 && systems.front() == QFontDatabase::Symbol)
                continue;
        }
        faces.append(family);
    }
    return faces;
}

void CFontCombobox::Fill(const QStringList& faces)
{
    QStringList entries;
    for (const QString& face : faces) {
        if (!face.startsWith(u'@'))
            entries.append(face);
    }
    std::sort(entries.begin(), entries.end(), FontNameLess);
    clear();
    addItems(entries);
}

int CFontCombobox::FindPrefix(const QString& prefix, int after) const
{
    const int entries = count();
    const int start = after < 0 || after >= entries ? 0 : after + 1;
    for (int k = 0; k < entries; ++k) {
        const int index = (start + k) % entries;
        if (itemText(index).startsWith(prefix, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

int CFontCombobox::FindFaceToShow(const QString& stored, const QString& arialStandIn) const
{
    int index = FindPrefix(stored);
    if (index < 0)
        index = FindPrefix(QStringLiteral("Arial"), 0);
    if (index < 0 && !arialStandIn.isEmpty())
        index = findText(arialStandIn, Qt::MatchFixedString);
    return index;
}
