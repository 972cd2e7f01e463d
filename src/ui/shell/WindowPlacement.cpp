#include "ui/shell/WindowPlacement.h"

#include "ui/project/ProgramSettings.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace quelvan::ui {

namespace {

constexpr int kGap = 8; // between a window placed beside the main window and it
constexpr int kMainMinimumWidth = 780;
constexpr int kMainMinimumHeight = 500;
constexpr QSize kLargeScreen { 1280, 800 };
constexpr QSize kLargest { 1400, 900 };
// A study window's frame width and the gaps around it, left free beside the main window.
constexpr int kStudyWindowRoom = 1040 + 3 * kGap + 20;
const QString kGroup = QStringLiteral("Fenetres/");
const QString kKeeperName = QStringLiteral("placeKeeper");
const QString kScreenKey = QStringLiteral("Ecran"); // the screen area a place was kept on

// The available area of the screen a widget is on (the primary one before it is shown).
QRect AvailableArea(const QWidget& widget)
{
    const QScreen* screen = widget.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// Moves a rectangle inside the area, cut to it when larger.
QRect Inside(QRect rect, const QRect& area)
{
    rect.setWidth(std::min(rect.width(), area.width()));
    rect.setHeight(std::min(rect.height(), area.height()));
    rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() - rect.width() + 1));
    rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() - rect.height() + 1));
    return rect;
}

QMargins MarginsOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return { client.left() - frame.left(), client.top() - frame.top(),
        frame.right() - client.right(), frame.bottom() - client.bottom() };
}

// The frame's margins around a window's client area: the window's own once the window manager
// has framed it, else the owner's (the window manager gives them alike). A window about to be
// shown for the first time has no frame yet: its margins read zero.
QMargins FrameMargins(const QWidget& window, const QWidget* owner)
{
    const QMargins own = MarginsOf(window);
    if (!own.isNull() || owner == nullptr)
        return own;
    return MarginsOf(*owner);
}

// Sets a window's client geometry from a frame rectangle. The client is placed, not the frame:
// move() on a window whose native window exists but is not framed yet would put its client
// where the frame should be, and its title bar off the frame's place.
void SetFrame(QWidget& window, const QRect& frame, const QMargins& margins)
{
    const QSize client = frame.size().shrunkBy(margins).expandedTo(window.minimumSize());
    window.setGeometry(QRect(frame.topLeft() + QPoint(margins.left(), margins.top()), client));
}

class PlaceKeeper : public QObject {
public:
    PlaceKeeper(QWidget& window, const QString& key, Placement placement, bool rememberSize)
        : QObject(&window)
        , window_(window)
        , key_(kGroup + key)
        , placement_(placement)
        , rememberSize_(rememberSize)
    {
        setObjectName(kKeeperName);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &window_)
            return false;
        const QEvent::Type type = event->type();
        if (type == QEvent::Show && !placed_) {
            placed_ = true;
            Place();
        }
        // Kept as it changes: a window may be destroyed without being hidden first.
        if (placed_ && window_.isVisible()
            && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show)) {
            QSettings settings = ProgramSettings();
            settings.setValue(key_, window_.frameGeometry());
            settings.setValue(key_ + QStringLiteral("Taille"), window_.size());
            settings.setValue(key_ + kScreenKey, AvailableArea(window_).size());
        }
        return false;
    }

private:
    void Place()
    {
        const QWidget* owner
            = window_.parentWidget() != nullptr ? window_.parentWidget()->window() : nullptr;
        const QMargins margins = FrameMargins(window_, owner);
        const QRect area = AvailableArea(owner != nullptr ? *owner : window_);
        QSize size = window_.size();
        const QRect remembered = ProgramSettings().value(key_).toRect();
        const QSize rememberedSize
            = ProgramSettings().value(key_ + QStringLiteral("Taille")).toSize();
        // As large as it was left (a window made smaller to fit beside the form stays so),
        // never smaller than its layout needs.
        if (rememberSize_ && rememberedSize.isValid())
            size = rememberedSize.boundedTo(window_.maximumSize())
                       .expandedTo(window_.minimumSizeHint())
                       .expandedTo(window_.minimumSize());
        const QSize frame = size.grownBy(margins);
        QRect placed;
        const QSize least
            = window_.minimumSizeHint().expandedTo(window_.minimumSize()).grownBy(margins);
        const QRect fresh = owner != nullptr
            ? PlaceFrame(frame, owner->frameGeometry(), area, placement_, least)
            : QRect();
        // A place remembered on a screen of another size is not reused where it would cover
        // the form and a place beside it is free; on the same screen it is where the user put
        // it.
        const bool sameScreen = ProgramSettings().value(key_ + kScreenKey).toSize() == area.size();
        const QRect kept
            = remembered.isValid() ? Inside(QRect(remembered.topLeft(), frame), area) : QRect();
        const bool keptCovers = !sameScreen && owner != nullptr && placement_ == Placement::Beside
            && kept.intersects(owner->frameGeometry()) && !fresh.intersects(owner->frameGeometry());
        if (kept.isValid() && !keptCovers)
            placed = kept;
        else if (owner != nullptr)
            placed = fresh;
        else
            placed = Inside(
                QRect(area.center() - QPoint(frame.width(), frame.height()) / 2, frame), area);
        SetFrame(window_, placed, margins);
    }

    QWidget& window_;
    QString key_;
    Placement placement_;
    bool rememberSize_;
    bool placed_ = false;
};

} // namespace

QRect PlaceFrame(
    QSize frame, const QRect& owner, const QRect& available, Placement placement, QSize least)
{
    QRect rect(QPoint(0, 0), frame);
    if (placement == Placement::Centred) {
        rect.moveCenter(owner.center());
        return Inside(rect, available);
    }
    // Beside: to the right, to the left or below, where the whole window has room; then, made
    // smaller down to its least size, to the right or below, beside the form rather than over
    // it (where more of it is kept); else in the area's bottom left corner, under the exterior
    // read-outs.
    least = least.isValid() ? least.boundedTo(frame) : frame;
    rect.moveTop(owner.top());
    const int right = available.right() - owner.right() - kGap;
    const int left = owner.left() - kGap - available.left();
    const int below = available.bottom() - owner.bottom() - kGap;
    if (frame.width() <= right) {
        rect.moveLeft(owner.right() + 1 + kGap);
    } else if (frame.width() <= left) {
        rect.moveRight(owner.left() - 1 - kGap);
    } else if (frame.height() <= below) {
        rect.moveTopLeft(QPoint(owner.left(), owner.bottom() + 1 + kGap));
    } else if (least.width() <= right || least.height() <= below) {
        // Of the two smaller places, the one that keeps more of the window.
        const bool fitsRight = least.width() <= right;
        const bool fitsBelow = least.height() <= below;
        if (fitsRight && (!fitsBelow || right * frame.height() >= frame.width() * below)) {
            rect.setWidth(right);
            rect.moveLeft(owner.right() + 1 + kGap);
        } else {
            rect.setHeight(below);
            rect.moveTopLeft(QPoint(owner.left(), owner.bottom() + 1 + kGap));
        }
    } else {
        rect.moveBottomLeft(available.bottomLeft());
    }
    return Inside(rect, available);
}

void KeepPlace(QWidget& window, const QString& key, Placement placement, bool rememberSize)
{
    // A dialog run twice keeps the place it was given the first time.
    if (window.findChild<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly) != nullptr)
        return;
    new PlaceKeeper(window, key, placement, rememberSize);
}

void MakeOrdinaryWindow(QWidget& window)
{
    // The native window is made now so that its owner link can be cut before it is shown; the
    // widget keeps its parent, which deletes it.
    window.winId();
    if (QWindow* handle = window.windowHandle())
        handle->setTransientParent(nullptr);
}

void PlaceModal(QDialog& dialog)
{
    const QString title
        = dialog.windowTitle().isEmpty() ? QStringLiteral("Sans titre") : dialog.windowTitle();
    KeepPlace(dialog,
        QString::fromLatin1(dialog.metaObject()->className()) + QLatin1Char('/') + title,
        Placement::Centred);
}

void RestoreMainWindowPlace(QWidget& window)
{
    const QRect area = AvailableArea(window);
    QSettings settings = ProgramSettings();
    const QRect remembered = settings.value(kGroup + QStringLiteral("Principale")).toRect();
    if (remembered.isValid()) {
        const QRect inside = Inside(remembered, area);
        window.resize(inside.size().expandedTo(window.minimumSize()));
        window.move(inside.topLeft());
        if (settings.value(kGroup + QStringLiteral("PrincipaleAgrandie")).toBool())
            window.setWindowState(window.windowState() | Qt::WindowMaximized);
        return;
    }
    // On a small screen the least size in the top left corner leaves the most room below and
    // beside it. On a large one, two thirds of the height in the top left corner, as wide as
    // leaves room on its right for a study window (the annual balance, the comparison).
    const QSize least(kMainMinimumWidth, kMainMinimumHeight);
    window.move(area.topLeft() + QPoint(3, 3));
    if (area.width() < kLargeScreen.width() || area.height() < kLargeScreen.height()) {
        window.resize(least);
        return;
    }
    const int width = std::min(area.width() * 2 / 3, area.width() - kStudyWindowRoom);
    window.resize(QSize(width, area.height() * 2 / 3).expandedTo(least).boundedTo(kLargest));
}

void RememberMainWindowPlace(const QWidget& window)
{
    // The frame's position (where move() puts it) and the client's size (what resize() sets);
    // a maximised window keeps the place it takes when it is restored.
    const QRect normal = window.isMaximized() ? window.normalGeometry() : window.geometry();
    const QPoint frameOffset = window.geometry().topLeft() - window.frameGeometry().topLeft();
    QSettings settings = ProgramSettings();
    settings.setValue(kGroup + QStringLiteral("Principale"),
        QRect(normal.topLeft() - frameOffset, normal.size()));
    settings.setValue(kGroup + QStringLiteral("PrincipaleAgrandie"), window.isMaximized());
}

} // namespace quelvan::ui
