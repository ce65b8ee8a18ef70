#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QWidget>

#include "mainwindow/form_fixture.h"

namespace tarvo::testing {

// The open windows of type T among the main window's children. Windows closed for good
// are deleted first, so that only the living ones count.
template <typename T>
QList<T*> OpenWindows(QWidget* owner) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<T*> open;
    for (T* window : owner->findChildren<T*>()) {
        if (window->isVisible()) {
            open.append(window);
        }
    }
    return open;
}

}  // namespace tarvo::testing
