#pragma once

#include "ui/shell/HelpTopic.h"

#include <QHash>
#include <QObject>

class QWidget;

namespace quelvan::ui {

// Registers the help pages and icons compiled into the application library.
void InitResources();

// The help pages are compiled into the program, one page per topic plus a contents page.
// ShowHelp opens (or raises) the help window on that page; Contents or a topic without a page
// gives the contents.
void ShowHelp(QWidget* parent, HelpTopic topic);
// The page a topic leads to ("qrc:/help/h13080.html" or the contents page).
QString HelpPageFor(HelpTopic topic);

// F1 on a control opens the help at the topic registered for that control (or for its nearest
// registered parent), else at the window's default topic. Shift+F1 enters the
// "what's this" mode, in which a click on a control of the window opens the same topic as F1
// on it, and the mode ends.
class HelpTopics : public QObject {
    Q_OBJECT
public:
    HelpTopics(QWidget* window, HelpTopic defaultTopic);
    void Set(QWidget* control, HelpTopic topic);
    // The topic that F1 opens when that widget has the focus.
    HelpTopic TopicFor(const QWidget* focused) const;

protected:
    // The "what's this" requests of the window's widgets.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    HelpTopic defaultTopic_;
    QHash<const QWidget*, HelpTopic> topics_;
};

} // namespace quelvan::ui
