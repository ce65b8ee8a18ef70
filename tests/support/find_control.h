#pragma once

#include <QMenu>
#include <QObject>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvo::test {

// A control of a window that the tests asked for by a name it does not have, or that is
// not of the kind asked for.
class ControlNotFound : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

namespace detail {

// The objects named `name` among the descendants of `parent` that belong to its window:
// its frames, controls, menus and their items, but not the windows it opens (which are
// its children too and name their own controls as they like).
inline void CollectNamed(const QObject& parent, const QString& name, QList<QObject*>& found) {
    for (QObject* child : parent.children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget != nullptr && widget->isWindow() &&
            qobject_cast<const QMenu*>(widget) == nullptr) {
            continue;
        }
        if (child->objectName() == name) {
            found.append(child);
        }
        CollectNamed(*child, name, found);
    }
}

}  // namespace detail

// The control of `window` whose objectName is `name`, as a T. Throws ControlNotFound,
// naming the control, when the window has none of that name, more than one, or one of
// another kind; so a test that asks for a control that is not there fails saying which.
template <class T>
T* Find(const QObject& window, std::string_view name) {
    const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    QList<QObject*> found;
    detail::CollectNamed(window, wanted, found);
    const std::string where = window.objectName().toStdString();
    if (found.isEmpty()) {
        throw ControlNotFound("no control named \"" + std::string(name) + "\" in " + where);
    }
    if (found.size() > 1) {
        throw ControlNotFound(std::to_string(found.size()) + " controls named \"" +
                              std::string(name) + "\" in " + where);
    }
    T* control = dynamic_cast<T*>(found.front());
    if (control == nullptr) {
        throw ControlNotFound("the control named \"" + std::string(name) + "\" in " + where +
                              " is a " + found.front()->metaObject()->className() +
                              ", not the kind asked for");
    }
    return control;
}

}  // namespace tarvo::test
