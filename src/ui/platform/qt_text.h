#pragma once
// The engine's UTF-16 text and Qt's, which share their code units.
#include <QString>

#include "base/wide_string.h"

inline QString ToQString(WideStringView text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline WideString ToWide(const QString& text) {
  return WideString(reinterpret_cast<const char16_t*>(text.utf16()),
                    static_cast<size_t>(text.size()));
}
