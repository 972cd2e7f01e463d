#include "ui/shell/HelpSupport.h"

#include "ui/shell/WindowPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <QWhatsThis>

// Q_INIT_RESOURCE declares the library's registration function, which must be done outside any
// namespace.
static void InitQuelvanResources()
{
    Q_INIT_RESOURCE(quelvan);
}

namespace quelvan::ui {

void InitResources()
{
    InitQuelvanResources();
}

QString HelpPageFor(HelpTopic topic)
{
    const int context = static_cast<int>(topic);
    const QString page = QStringLiteral(":/help/h%1.html").arg(context);
    if (context > 0 && QFile::exists(page))
        return QStringLiteral("qrc") + page;
    return QStringLiteral("qrc:/help/contents.html");
}

void ShowHelp(QWidget* parent, HelpTopic topic)
{
    static QPointer<QDialog> window;
    if (!window) {
        window = new QDialog(parent ? parent->window() : nullptr);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QStringLiteral("Aide de Quelvan"));
        window->resize(520, 420);
        KeepPlace(*window, QStringLiteral("Aide"), Placement::Beside);
        auto* layout = new QVBoxLayout(window);
        auto* browser = new QTextBrowser(window);
        browser->setObjectName(QStringLiteral("helpBrowser"));
        layout->addWidget(browser);
    }
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    browser->setSource(QUrl(HelpPageFor(topic)));
    window->show();
    window->raise();
}

HelpTopics::HelpTopics(QWidget* window, HelpTopic defaultTopic)
    : QObject(window)
    , window_(window)
    , defaultTopic_(defaultTopic)
{
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this,
        [this] { ShowHelp(window_, TopicFor(QApplication::focusWidget())); });
    auto* whatsThis = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), window);
    whatsThis->setContext(Qt::WindowShortcut);
    connect(whatsThis, &QShortcut::activated, this, [] { QWhatsThis::enterWhatsThisMode(); });
    // The requests go to the widget under the pointer, which may have been made after this.
    qApp->installEventFilter(this);
}

bool HelpTopics::eventFilter(QObject* watched, QEvent* event)
{
    const bool query = event->type() == QEvent::QueryWhatsThis;
    if ((!query && event->type() != QEvent::WhatsThis) || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != window_->window())
        return false;
    // Accepted, so that the pointer shows that help is offered and the request goes no further.
    event->accept();
    if (!query) {
        ShowHelp(window_, TopicFor(widget));
        // The mode ends once the click has been handled (not inside it: the mode's own filter
        // is still running).
        QTimer::singleShot(0, this, [] { QWhatsThis::leaveWhatsThisMode(); });
    }
    return true;
}

void HelpTopics::Set(QWidget* control, HelpTopic topic)
{
    topics_.insert(control, topic);
}

HelpTopic HelpTopics::TopicFor(const QWidget* focused) const
{
    for (const QWidget* w = focused; w && w != window_; w = w->parentWidget()) {
        const auto it = topics_.find(w);
        if (it != topics_.end())
            return it.value();
    }
    return defaultTopic_;
}

} // namespace quelvan::ui
