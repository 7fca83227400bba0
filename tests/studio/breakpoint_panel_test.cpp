// The breakpoint panel driven with keys and clicks: what it lists, and the signals it sends the window.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>

#include "studio/breakpoint_panel.h"

namespace {

template <typename T>
T* Child(const QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QStringList Rows(const BreakpointPanel& panel)
{
    QStringList rows;
    auto* list = Child<QListWidget>(&panel, "breakpointList");
    for (int row = 0; row < list->count(); ++row)
        rows << list->item(row)->text();
    return rows;
}

// Hands the modal dialog that the next action opens to `answer`, from inside its event loop.
void AnswerNextDialog(std::function<void(QDialog*)> answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

class BreakpointPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel.SetBreakpoints({-1, 480, 768}, -1);
        panel.show();
        list = Child<QListWidget>(&panel, "breakpointList");
        remove = Child<QPushButton>(&panel, "removeBreakpoint");
        add = Child<QPushButton>(&panel, "addBreakpoint");
    }

    BreakpointPanel panel;
    QListWidget* list = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* add = nullptr;
    QSignalSpy chosen{&panel, &BreakpointPanel::breakpointChosen};
    QSignalSpy added{&panel, &BreakpointPanel::addRequested};
    QSignalSpy removed{&panel, &BreakpointPanel::removeRequested};
};

TEST_F(BreakpointPanelTest, ListsTheRecordsAndMarksACurrentBreakpointWithoutOne)
{
    EXPECT_EQ(Rows(panel), (QStringList{"Default (-1)", "480 px", "768 px"}));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_FALSE(remove->isEnabled()) << "the default record stays";

    panel.SetBreakpoints({-1, 768}, 600);
    EXPECT_EQ(Rows(panel), (QStringList{"Default (-1)", "768 px", "600 px (no record)"}));
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_FALSE(remove->isEnabled()) << "nothing to remove without a record";
    EXPECT_EQ(chosen.count(), 0) << "setting the list is not a choice";
}

TEST_F(BreakpointPanelTest, ChoosingWithTheKeyboardAndRemovingSignalTheWindow)
{
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 480);
    EXPECT_EQ(panel.CurrentBreakpoint(), 480);
    EXPECT_TRUE(remove->isEnabled());

    QTest::mouseClick(remove, Qt::LeftButton);
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(removed.count(), 2);
    EXPECT_EQ(removed.at(0).at(0).toInt(), 480);
    EXPECT_EQ(removed.at(1).at(0).toInt(), 480);

    // The window answers with the new list; the panel asks nothing of the menu itself.
    panel.SetBreakpoints({-1, 768}, 480);
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen.at(1).at(0).toInt(), -1);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(removed.count(), 2) << "-1 is never removed";
}

TEST_F(BreakpointPanelTest, AddAsksForAWidthAndRefusesOneThatHasARecord)
{
    bool okWhenTaken = true;
    QString note;
    AnswerNextDialog([&](QDialog* dialog) {
        auto* width = Child<QSpinBox>(dialog, "breakpointWidth");
        auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        EXPECT_GE(width->minimum(), 1) << "a width is above 0";
        EXPECT_EQ(width->value(), 1024) << "a usual width without record is offered";
        width->setValue(768);
        okWhenTaken = ok->isEnabled();
        note = Child<QLabel>(dialog, "breakpointNote")->text();
        width->selectAll();
        QTest::keyClicks(width, "1280");
        QTest::keyClick(width, Qt::Key_Return);
    });
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_FALSE(okWhenTaken);
    EXPECT_NE(note.indexOf("768"), -1) << note.toStdString();
    ASSERT_EQ(added.count(), 1);
    EXPECT_EQ(added.at(0).at(0).toInt(), 1280);

    AnswerNextDialog([](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(added.count(), 1) << "Cancel asks for nothing";
}

}  // namespace
