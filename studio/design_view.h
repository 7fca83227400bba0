// DesignView: the menu as the host's design view shows it while a page is laid out, drawn by the
// module's Draw in the rectangle the object asks for.
#pragma once

#include <QWidget>

class MenuDocument;

class DesignView : public QWidget {
    Q_OBJECT
public:
    explicit DesignView(QWidget* parent = nullptr);

    // The document drawn; null draws an empty page. The view does not own it.
    void SetDocument(MenuDocument* document);

    // The object's rectangle within the view, as last given to Move.
    QRect ObjectRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A double-click on the menu, or Enter while the view has the focus.
    void propertiesRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The height the object asks for (GetMinimumSize), and the margin of page around it.
    int ObjectHeight() const;
    static constexpr int kMargin = 12;

    MenuDocument* m_document = nullptr;
};
