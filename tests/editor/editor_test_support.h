// Test helpers for the editor: answering nested modal dialogs, finding widgets, a menu's stored bytes.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

#include "model/menu_settings.h"
#include "model/storage_layout.h"
#include "platform/archive.h"

// Runs `answer` on the next modal dialog to open above the one active now. The answer must
// close that dialog (accept or reject), else the test would wait forever; a dialog that never
// opens leaves the watch to end after a few seconds with a test failure.
// Watches started and not yet answered; a test that ends with some left has a dialog that never opened.
inline int& PendingModalAnswers()
{
    static int pending = 0;
    return pending;
}

inline void AnswerNextModal(std::function<void(QDialog*)> answer)
{
    ++PendingModalAnswers();
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, before, answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const bool opened = dialog && dialog != before.data();
        if (!opened && clock->elapsed() < 5000)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        --PendingModalAnswers();
        if (!opened) {
            ADD_FAILURE() << "no modal dialog opened";
            return;
        }
        answer(dialog);
    });
    timer->start();
}

// Counts the modal dialogs that open while it lives and rejects each one at once.
class RejectEveryModal {
public:
    RejectEveryModal()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++m_opened;
                dialog->reject();
            }
        });
        m_timer.start();
    }
    int Opened() const { return m_opened; }

private:
    QTimer m_timer;
    int m_opened = 0;
};

template <typename T>
T* Child(const QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// The menu as both generations store it: every field that a block holds.
inline std::vector<uint8_t> StoredBytes(CMenuSettings& menu)
{
    std::vector<uint8_t> bytes;
    {
        CArchive ar(bytes);
        menu.SerializeSettings(ar, FirstGenerationLayout());
    }
    {
        CArchive ar(bytes);
        menu.SerializeSettings(ar, SecondGenerationLayout());
    }
    return bytes;
}

inline CMenuItem Node(const char16_t* text, const char16_t* url, const char16_t* target = u"",
                      const char16_t* icon = u"")
{
    CMenuItem node;
    node.m_strText = text;
    node.m_strURL = url;
    node.m_strTarget = target;
    node.m_strIcon = icon;
    return node;
}

inline CMenuItem Group(const char16_t* text, std::initializer_list<CMenuItem> links)
{
    CMenuItem group = Node(text, u"PARENT");
    for (const CMenuItem& link : links)
        group.m_arrItems.Add(link);
    return group;
}
