// Names an object for the tests and, given one, a widget for screen readers.
#pragma once

#include <QString>
#include <QWidget>

#include <type_traits>

namespace zefnaro {

template <typename T> T* named(T* object, const char* name, const QString& accessible = {}) {
    object->setObjectName(QString::fromLatin1(name));
    if constexpr (std::is_base_of_v<QWidget, T>)
        if (!accessible.isEmpty()) object->setAccessibleName(accessible);
    return object;
}

} // namespace zefnaro
