#pragma once

#include <QObject>
#include <QTimer>

#include <array>
#include <optional>

class QLabel;
class QStatusBar;

namespace quelvan::ui {

// Whether caps lock, num lock and scroll lock are on.
struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The lock keys as the X server's keyboard extension reports them; none when the application
// does not run on X11 (Qt has no portable way to read them) or the server does not say.
std::optional<LockKeys> ReadLockKeys();

// The indicators "MAJ", "NUM" and "DEF" of the status bar. Where the lock keys can be read,
// each is drawn enabled while its key is on and greyed while it is off, read again every
// quarter of a second (a key may be pressed in another window); elsewhere all three stay grey.
class LockKeyIndicators : public QObject {
    Q_OBJECT
public:
    explicit LockKeyIndicators(QStatusBar& bar);

    QLabel* Caps() const { return labels_[0]; }
    QLabel* Num() const { return labels_[1]; }
    QLabel* Scroll() const { return labels_[2]; }
    void Show(const LockKeys& keys);

private:
    void Refresh();

    std::array<QLabel*, 3> labels_ {};
    QTimer timer_;
};

} // namespace quelvan::ui
