#pragma once

#include <QHash>
#include <QObject>

class QWidget;

namespace quelvan::ui {

// The help pages are compiled into the program, one page per context number plus a contents
// page. ShowHelp opens (or raises) the help window on that page; 0 or an unknown number gives
// the contents.
void ShowHelp(QWidget* parent, int context);
// The page a context number leads to ("qrc:/help/h13080.html" or the contents page).
QString HelpPageFor(int context);

// F1 on a control opens the help at the topic registered for that control (or for its nearest
// registered parent), else at the window's default topic (0 = contents). Shift+F1 enters the
// "what's this" mode.
class HelpTopics : public QObject {
    Q_OBJECT
public:
    HelpTopics(QWidget* window, int defaultTopic);
    void Set(QWidget* control, int topic);
    // The topic that F1 opens when that widget has the focus.
    int TopicFor(const QWidget* focused) const;
    int LastShown() const { return lastShown_; }

private:
    QWidget* window_;
    int defaultTopic_;
    int lastShown_ = -1;
    QHash<const QWidget*, int> topics_;
};

} // namespace quelvan::ui
