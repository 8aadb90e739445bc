#pragma once

// Text from the core (UTF-8 std::string) to Qt, at the edge of the windows.

#include <QString>

#include <string>
#include <string_view>

namespace hortelia {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace hortelia
