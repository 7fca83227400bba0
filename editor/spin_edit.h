// CSpinEdit: an integer field with spin arrows; the arrows keep to a range, typing does not.
#pragma once

#include <QAbstractSpinBox>
#include <QLineEdit>

#include <cstdint>

class CSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit CSpinEdit(QWidget* parent = nullptr);

    // The range the arrows and the arrow keys move in. Text typed into the field may lie outside
    // it, or be no number at all: the dialog's data exchange judges it.
    void SetRange(int32_t minimum, int32_t maximum);
    int32_t Minimum() const { return m_minimum; }
    int32_t Maximum() const { return m_maximum; }

    // The field's text, and the field itself, which carries an object name of its own.
    QString Text() const { return lineEdit()->text(); }
    void SetText(const QString& text) { lineEdit()->setText(text); }
    QLineEdit* Edit() const { return lineEdit(); }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int32_t m_minimum = 0;
    int32_t m_maximum = 99;
    // Where the arrows go from while the text holds no number: the last value they wrote.
    int32_t m_position = 0;
};
