#pragma once

#include <QString>

#include <string>

namespace quelvan::ui {

// The program's texts are UTF-8 std::strings; the widgets show QStrings.
inline QString ToQ(const std::string& text)
{
    return QString::fromStdString(text);
}
inline std::string FromQ(const QString& text)
{
    return text.toStdString();
}

} // namespace quelvan::ui
