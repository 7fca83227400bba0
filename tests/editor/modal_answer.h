// Answers the modal dialog a test's next action opens, from inside that dialog's own event loop.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Waits (in the event loop) for a modal widget to appear, then hands it to `answer`, which must
// close it. Call before the action that runs the dialog.
inline void AnswerNextModal(std::function<void(QWidget*)> answer)
{
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [answer, tries, poll] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(modal);
            *poll = nullptr;  // breaks the cycle the lambda holds on itself
            return;
        }
        if (++*tries < 200)
            QTimer::singleShot(10, *poll);
        else
            *poll = nullptr;
    };
    QTimer::singleShot(0, *poll);
}
