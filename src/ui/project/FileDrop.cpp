#include "ui/project/FileDrop.h"

#include "persistence/ProjectFile.h"
#include "ui/project/FilePath.h"
#include "weather/EpwImport.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace quelvan::ui {

FileDrop::FileDrop(QWidget& window, std::function<void(const std::string&)> open)
    : QObject(&window)
    , open_(std::move(open))
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

std::string FileDrop::OpenablePath(const QMimeData* data)
{
    if (data == nullptr || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    const QString local = data->urls().front().toLocalFile();
    std::string path = PathBytes(local);
    if (local.endsWith(QStringLiteral(".ksl"), Qt::CaseInsensitive)
        || weather::LooksLikeEpwFile(path) || HoldsProject(path))
        return path;
    return {};
}

bool FileDrop::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        // The file is looked at once, when the drag enters: moves only repeat the answer.
        if (event->type() == QEvent::DragEnter)
            dragged_ = OpenablePath(drag->mimeData());
        if (dragged_.empty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::DragLeave:
        dragged_.clear();
        return false;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::string path = OpenablePath(drop->mimeData());
        dragged_.clear();
        if (path.empty())
            return false;
        drop->acceptProposedAction();
        open_(path);
        return true;
    }
    default:
        return false;
    }
}

} // namespace quelvan::ui
