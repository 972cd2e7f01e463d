#pragma once

#include <QGuiApplication>

#include <memory>

namespace quelvan::cli {

// Drawing text needs a GUI application; the offscreen platform needs no display, so it is
// chosen unless the caller asked for another. Qt's own messages then go to standard error through
// the program's printer (PrintError), control characters escaped.
std::unique_ptr<QGuiApplication> MakeOffscreenApplication();

} // namespace quelvan::cli
