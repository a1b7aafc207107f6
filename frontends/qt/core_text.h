// The core's texts (UTF-8, as string views) as Qt strings.
#pragma once

#include <QString>
#include <string_view>

namespace bk {

inline QString fromCore(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace bk
