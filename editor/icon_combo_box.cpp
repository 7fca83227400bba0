// CIconComboBox: fills the list from the library, draws glyphs, and finds icons by name prefix.
#include "editor/icon_combo_box.h"

#include <QAbstractItemView>
#include <QHash>
#include <QListView>
#include <QPainter>
#include <QStringList>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include <span>

#include "editor/dpi_scaling.h"
#include "editor/qt_strings.h"
#include "icons/builtin_icon_tables.h"
#include "icons/builtin_icons.h"
#include "icons/glyph_map_entry.h"
#include "icons/icon_library.h"
#include "preview/qt/application_fonts.h"

namespace {

constexpr int kItemHeight = 24;    // for 96 dpi
constexpr int kGlyphLeft = 2;
constexpr int kTextLeft = 24;
constexpr int kGlyphPointSize = 12;
constexpr int kGlyphRole = Qt::UserRole + 1;

const QString kNone = QStringLiteral("(none)");

// Draws the entries of the open list the same way as the selection field.
class IconEntryDelegate : public QStyledItemDelegate {
public:
    explicit IconEntryDelegate(CIconComboBox* combo) : QStyledItemDelegate(combo), m_combo(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        // The list moves its selection with the mouse, so the selection alone is the highlight.
        const bool highlighted = option.state & QStyle::State_Selected;
        m_combo->PaintEntry(*painter, option.rect, index.row(), option.palette, highlighted);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(m_combo->ItemHeight());
        return size;
    }

private:
    CIconComboBox* m_combo;
};

}  // namespace

CIconComboBox::CIconComboBox(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new IconEntryDelegate(this));
    // Thousands of entries: measuring each one for the width would make opening slow.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(22);
    // A scrolling list of a dozen entries, not a menu as tall as the screen, even where the
    // style would open combo boxes as menus.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    setMaxVisibleItems(12);
    if (auto* list = qobject_cast<QListView*>(view()))
        list->setUniformItemSizes(true);
}

void CIconComboBox::SetLibrary(const CString& library, const CString& folder)
{
    m_library = library;
    m_folder = folder;
    m_glyphFont = LibraryGlyphFont();
}

QFont CIconComboBox::LibraryGlyphFont() const
{
    CIconLibrary icons(m_folder, CString());
    QString family = ToQString(icons.GetFamilyName(m_library));
    // A library of the folder brings its own font file; the built-in sets use the system's fonts.
    if (!IsFontAwesome(m_library) && !IsMaterialIcons(m_library)) {
        const CString fontFile = icons.GetIconFontFileName(m_library);
        if (!fontFile.IsEmpty()) {
            const QStringList families = RegisterFontFileOnce(ToQString(fontFile));
            if (!families.isEmpty() && !families.contains(family, Qt::CaseInsensitive))
                family = families.front();
        }
    }
    QFont font(family);
    font.setPointSize(kGlyphPointSize);
    font.setStyle(QFont::StyleNormal);
    font.setWeight(QFont::Normal);
    // Private-use glyphs drawn in another font would only show boxes.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

void CIconComboBox::FillIcons()
{
    QStringList names;
    QStringList glyphs;
    auto addTable = [&](std::span<const BuiltinIconRow> table) {
        names.reserve(static_cast<int>(table.size()));
        glyphs.reserve(static_cast<int>(table.size()));
        for (const BuiltinIconRow& row : table) {
            names.append(QString::fromUtf16(row.name.data(), static_cast<qsizetype>(row.name.size())));
            glyphs.append(QString(QChar(row.code)));
        }
    };
    if (IsFontAwesome(m_library)) {
        addTable(FontAwesomeTable());
    } else if (IsMaterialIcons(m_library)) {
        addTable(MaterialIconsTable());
    } else {
        CStringArray map;
        CIconLibrary(m_folder, CString()).GetIconFontMap(m_library, map);
        // A name looked up by the menu finds the first entry of that name in any case, so an
        // entry shows the glyph the published menu will use.
        QHash<QString, QString> firstGlyph;
        names.reserve(map.GetSize());
        for (const CString& entry : map) {
            const QString name = ToQString(GlyphMapName(entry));
            names.append(name);
            const QString key = name.toLower();
            if (!firstGlyph.contains(key)) {
                const char16_t code = GlyphFromCode(GlyphMapCode(entry));
                firstGlyph.insert(key, code == 0 ? QString() : QString(QChar(code)));
            }
        }
        for (const QString& name : names)
            glyphs.append(firstGlyph.value(name.toLower()));
    }

    setUpdatesEnabled(false);
    blockSignals(true);
    clear();
    addItem(kNone);
    addItems(names);
    for (int i = 0; i < glyphs.size(); ++i)
        setItemData(i + 1, glyphs[i], kGlyphRole);
    blockSignals(false);
    setUpdatesEnabled(true);
}

void CIconComboBox::SelectIcon(const CString& name)
{
    int chosen = 0;
    if (!name.IsEmpty()) {
        const QString prefix = ToQString(name);
        for (int i = 1; i < count(); ++i) {
            if (itemText(i).startsWith(prefix, Qt::CaseInsensitive)) {
                chosen = i;
                break;
            }
        }
    }
    setCurrentIndex(count() > 0 ? chosen : -1);
}

CString CIconComboBox::SelectedIconName() const
{
    const int index = currentIndex();
    return index < 1 ? CString() : FromQString(itemText(index));
}

QString CIconComboBox::GlyphAt(int index) const
{
    return index < 1 ? QString() : itemData(index, kGlyphRole).toString();
}

int CIconComboBox::ItemHeight() const { return ScaledLength(this, kItemHeight); }

void CIconComboBox::PaintEntry(QPainter& painter, const QRect& rect, int index, const QPalette& palette,
                               bool highlighted) const
{
    painter.save();
    painter.fillRect(rect, highlighted ? palette.highlight() : palette.base());
    const QColor textColour = highlighted ? palette.highlightedText().color() : palette.text().color();
    painter.setPen(textColour);
    if (index > 0) {
        painter.setFont(m_glyphFont);
        const QRect glyphRect = rect.adjusted(ScaledLength(this, kGlyphLeft), 0, 0, 0);
        painter.drawText(glyphRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, GlyphAt(index));
    }
    painter.setFont(font());
    const QRect textRect = rect.adjusted(ScaledLength(this, kTextLeft), 0, 0, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, itemText(index));
    painter.restore();
}

void CIconComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The closed field shows the entry on the button's own colours, not the list's.
    QPalette fieldPalette = palette();
    fieldPalette.setBrush(QPalette::Base, Qt::transparent);
    fieldPalette.setBrush(QPalette::Text, palette().buttonText());
    PaintEntry(painter, field, currentIndex(), fieldPalette, false);
}
