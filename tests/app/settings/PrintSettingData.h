#pragma once

#include <ostream>

#include "app/settings/SettingData.h"

namespace pelmar::settings {

// Lets a failed comparison show the record field by field.
inline void PrintTo(const SettingData& data, std::ostream* out) {
    *out << '"' << data.lensName.toStdString() << '"';
    for (const SettingNumber& number : kSettingNumbers) *out << ' ' << data.*number.field;
    for (const QString& name : data.workerNames) *out << " \"" << name.toStdString() << '"';
}

}  // namespace pelmar::settings
