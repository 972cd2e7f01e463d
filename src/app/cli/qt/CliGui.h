#pragma once

#include <QGuiApplication>

#include <memory>

namespace quelvan::cli {

// Drawing text needs a GUI application; the offscreen platform needs no display, so it is
// chosen unless the caller asked for another.
std::unique_ptr<QGuiApplication> MakeOffscreenApplication();

} // namespace quelvan::cli
