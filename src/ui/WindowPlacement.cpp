#include "ui/WindowPlacement.h"

#include "ui/ProgramSettings.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace quelvan::ui {

namespace {

constexpr int kGap = 8; // between a window placed beside the main window and it
constexpr int kMainMinimumWidth = 780;
constexpr int kMainMinimumHeight = 500;
constexpr QSize kLargeScreen { 1280, 800 };
constexpr QSize kLargest { 1400, 900 };
const QString kGroup = QStringLiteral("Fenetres/");
const QString kKeeperName = QStringLiteral("placeKeeper");

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

// The frame's margins around a window's client area: the window's own once it has been shown,
// else the owner's (the window manager gives them alike).
QMargins FrameMargins(const QWidget& window, const QWidget* owner)
{
    const QWidget& measured = window.isVisible() || owner == nullptr ? window : *owner;
    const QRect frame = measured.frameGeometry();
    const QRect client = measured.geometry();
    return { client.left() - frame.left(), client.top() - frame.top(),
        frame.right() - client.right(), frame.bottom() - client.bottom() };
}

// Sets a window's client size and frame position from a frame rectangle.
void SetFrame(QWidget& window, const QRect& frame, const QMargins& margins)
{
    window.resize(frame.size().shrunkBy(margins).expandedTo(window.minimumSize()));
    window.move(frame.topLeft());
}

class PlaceKeeper : public QObject {
public:
    PlaceKeeper(QWidget& window, QString key, Placement placement, bool rememberSize)
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
        if (rememberSize_ && rememberedSize.isValid())
            size = size.expandedTo(rememberedSize.boundedTo(window_.maximumSize()));
        const QSize frame = size.grownBy(margins);
        QRect placed;
        if (remembered.isValid())
            placed = Inside(QRect(remembered.topLeft(), frame), area);
        else if (owner != nullptr)
            placed = PlaceFrame(frame, owner->frameGeometry(), area, placement_);
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

QRect PlaceFrame(QSize frame, const QRect& owner, const QRect& available, Placement placement)
{
    QRect rect(QPoint(0, 0), frame);
    if (placement == Placement::Centred) {
        rect.moveCenter(owner.center());
        return Inside(rect, available);
    }
    // Beside: to the right, to the left or below, where the whole window has room; else in the
    // area's bottom left corner, under the exterior read-outs rather than over them.
    rect.moveTop(owner.top());
    if (owner.right() + kGap + frame.width() <= available.right()) {
        rect.moveLeft(owner.right() + 1 + kGap);
    } else if (owner.left() - kGap - frame.width() >= available.left()) {
        rect.moveRight(owner.left() - 1 - kGap);
    } else if (owner.bottom() + kGap + frame.height() <= available.bottom()) {
        rect.moveTopLeft(QPoint(owner.left(), owner.bottom() + 1 + kGap));
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
    // beside it; two thirds of a large screen, centred, still leaves room for the flux window.
    const QSize least(kMainMinimumWidth, kMainMinimumHeight);
    if (area.width() < kLargeScreen.width() || area.height() < kLargeScreen.height()) {
        window.resize(least);
        window.move(area.topLeft() + QPoint(3, 3));
        return;
    }
    const QSize size
        = QSize(area.width() * 2 / 3, area.height() * 2 / 3).expandedTo(least).boundedTo(kLargest);
    window.resize(size);
    window.move(area.center() - QPoint(size.width(), size.height()) / 2);
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
