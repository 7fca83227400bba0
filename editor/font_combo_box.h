// CFontCombobox: a sorted drop-down list of the installed font faces.
#pragma once

#include <QComboBox>
#include <QStringList>

class CFontCombobox : public QComboBox {
    Q_OBJECT
public:
    // Fills itself with the faces of the system's font database.
    explicit CFontCombobox(QWidget* parent = nullptr);

    // Whether faces made only for symbols are listed; on unless switched off before Fill.
    bool IncludesSymbolFonts() const { return m_includeSymbolFonts; }
    void SetIncludeSymbolFonts(bool include) { m_includeSymbolFonts = include; }

    // Replaces the entries by `faces`, sorted, without vertical faces (names beginning with "@").
    void Fill(const QStringList& faces);
    // The installed faces, as Fill lists them from the font database.
    QStringList InstalledFaces() const;

    // The first entry that begins with `prefix`, ignoring case, searching from the entry after
    // `after` to the end and then from the top; -1 when none does. `after` -1 searches from the top.
    int FindPrefix(const QString& prefix, int after = -1) const;

    // The entry that shows a stored font name: the first that begins with it; failing that, the
    // first "Arial" face after the top entry; failing that (no Arial face at all), the entry equal
    // to `arialStandIn`, the face the system draws in Arial's place. -1 when none is listed.
    int FindFaceToShow(const QString& stored, const QString& arialStandIn) const;

private:
    bool m_includeSymbolFonts = true;
};

// The sorted list's order: letters compare without case, as the system's sorted lists do.
bool FontNameLess(const QString& a, const QString& b);
