// Conversion between the set-up's Windows-1252 texts and Qt strings, where the two meet.
#pragma once

#include "model/Cp1252.h"

#include <QString>

#include <string>

namespace q4ui {

inline QString ToQString(const std::string& cp1252)
{
    return QString::fromStdString(q4::Cp1252ToUtf8(cp1252));
}

inline std::string ToCp1252(const QString& text)
{
    return q4::Utf8ToCp1252(text.toStdString());
}

}  // namespace q4ui
