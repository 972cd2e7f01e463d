#pragma once

#include <QObject>

#include <functional>
#include <string>

class QMimeData;
class QWidget;

namespace quelvan::ui {

// Takes the files dropped on a window: one project (".ksl", or any file that holds one) or one
// EPW weather file at a time is accepted and handed to `open` as the system's path; anything
// else is refused while it is dragged, so that the pointer says so.
class FileDrop : public QObject {
public:
    FileDrop(QWidget& window, std::function<void(const std::string&)> open);

    // The path of the one file the data carries that can be opened, else empty.
    static std::string OpenablePath(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const std::string&)> open_;
    std::string dragged_; // what the drag under way would open
};

} // namespace quelvan::ui
