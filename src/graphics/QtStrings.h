#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quelvan {

// The program's texts are UTF-8 std::strings; Qt shows QStrings. The one way between them
// for the drawing, the report and the windows.
inline QString ToQ(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQ(const QString& text)
{
    return text.toStdString();
}

} // namespace quelvan
