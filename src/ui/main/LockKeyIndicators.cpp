#include "ui/main/LockKeyIndicators.h"
#include "graphics/QtStrings.h"

#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>

#if defined(QUELVAN_HAS_X11) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
// Xlib comes last: its macros (None, Bool, KeyPress...) would clash with Qt's names.
#include <X11/XKBlib.h>
#endif

namespace quelvan::ui {

namespace {
constexpr int kPollMilliseconds = 250;

#if defined(QUELVAN_HAS_X11) && QT_CONFIG(xcb)
// The state of one named indicator of the core keyboard; none when the server has no such
// indicator.
std::optional<bool> NamedIndicator(Display* display, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom == 0)
        return std::nullopt;
    int on = 0;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return std::nullopt;
    return on != 0;
}
#endif
} // namespace

std::optional<LockKeys> ReadLockKeys()
{
#if defined(QUELVAN_HAS_X11) && QT_CONFIG(xcb)
    const auto* x11
        = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    const std::optional<bool> caps = NamedIndicator(display, "Caps Lock");
    const std::optional<bool> num = NamedIndicator(display, "Num Lock");
    const std::optional<bool> scroll = NamedIndicator(display, "Scroll Lock");
    if (!caps || !num || !scroll)
        return std::nullopt;
    return LockKeys { *caps, *num, *scroll };
#else
    return std::nullopt;
#endif
}

LockKeyIndicators::LockKeyIndicators(QStatusBar& bar)
    : QObject(&bar)
{
    int i = 0;
    for (const char* text : { "MAJ", "NUM", "DEF" }) {
        auto* label = new QLabel(ToQ(text));
        label->setEnabled(false);
        bar.addPermanentWidget(label);
        labels_[static_cast<size_t>(i++)] = label;
    }
    if (ReadLockKeys()) {
        timer_.setInterval(kPollMilliseconds);
        connect(&timer_, &QTimer::timeout, this, &LockKeyIndicators::Refresh);
        timer_.start();
        Refresh();
    }
}

void LockKeyIndicators::Show(const LockKeys& keys)
{
    labels_[0]->setEnabled(keys.caps);
    labels_[1]->setEnabled(keys.num);
    labels_[2]->setEnabled(keys.scroll);
}

void LockKeyIndicators::Refresh()
{
    if (const std::optional<LockKeys> keys = ReadLockKeys())
        Show(*keys);
}

} // namespace quelvan::ui
