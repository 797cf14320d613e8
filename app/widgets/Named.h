#pragma once

#include <QString>

namespace pelmar {

// A control made just now, given the object name by which tests and the gallery find it.
template <typename W>
W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace pelmar
