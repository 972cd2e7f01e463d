#include "ui/widgets/ScrolledFigures.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace quelvan::ui {

QVBoxLayout& AddScrolledFigures(QVBoxLayout& windowLayout, QWidget& window)
{
    auto* scroll = new QScrollArea(&window);
    scroll->setObjectName(QStringLiteral("figures"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* figures = new QWidget(scroll);
    auto* layout = new QVBoxLayout(figures);
    layout->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(figures);
    windowLayout.addWidget(scroll, 1);
    return *layout;
}

} // namespace quelvan::ui
