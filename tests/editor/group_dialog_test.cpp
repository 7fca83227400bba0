// The group dialog: its caption and the name it hands back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "editor/group_dialog.h"
#include "editor/qt_strings.h"
#include "tests/editor/qstring_printer.h"

namespace {

// Runs the dialog, lets `act` work on it, and reports the caption it showed.
QString RunWith(const QString& caption, CString& name, bool& accepted, std::function<void(CGroupDialog&)> act)
{
    QString shownCaption;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CGroupDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownCaption = dialog->windowTitle();
        act(*dialog);
    });
    accepted = RunGroupDialog(nullptr, caption, name);
    return shownCaption;
}

TEST(GroupDialog, CaptionNameOkAndCancel)
{
    CString name(u"Group");
    bool accepted = false;
    EXPECT_EQ(RunWith(QString(), name, accepted,
                      [](CGroupDialog& dialog) {
                          EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("Group"));
                          dialog.NameEdit()->setText(QStringLiteral("Services"));
                          dialog.Buttons()->button(QDialogButtonBox::Ok)->click();
                      }),
              QStringLiteral("Add Group"));
    EXPECT_TRUE(accepted);
    EXPECT_EQ(ToQString(name), QStringLiteral("Services"));

    EXPECT_EQ(RunWith(QStringLiteral("Edit Group"), name, accepted,
                      [](CGroupDialog& dialog) {
                          dialog.NameEdit()->setText(QStringLiteral("Other"));
                          dialog.reject();
                      }),
              QStringLiteral("Edit Group"));
    EXPECT_FALSE(accepted);
    EXPECT_EQ(ToQString(name), QStringLiteral("Services"));

    // An empty name is a name; Enter accepts it.
    RunWith(QString(), name, accepted, [](CGroupDialog& dialog) {
        dialog.NameEdit()->clear();
        QTest::keyClick(dialog.NameEdit(), Qt::Key_Return);
    });
    EXPECT_TRUE(accepted);
    EXPECT_TRUE(name.IsEmpty());
}

}  // namespace
