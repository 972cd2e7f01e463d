#include "ui/studies/DynamicCharacteristicsDialog.h"

#include "core/Messages.h"
#include "engine/DynamicCharacteristicsText.h"
#include "engine/SiWall.h"
#include "graphics/ChartStyle.h"
#include "graphics/PeriodicResponsePlot.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "model/WallCheck.h"
#include "ui/shell/HelpSupport.h"
#include "ui/studies/LegendedChart.h"
#include "ui/widgets/PlainText.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace quelvan::ui {

namespace {

// Wide enough for most meanings on one line, the longer ones on two; narrower on a small
// screen, where they wrap on more lines.
constexpr int kMeaningWidth = 560;
constexpr int kLeastMeaningWidth = 300;
constexpr int kChartHeight = 240;
constexpr int kLeastChartHeight = 150;
// Air above and below the texts, wrapped ones included.
constexpr int kRowPadding = 4;
// What the window's frame and the desktop's panels may take around the dialog.
constexpr QSize kFrameAllowance { 40, 70 };
// The widest value a daily regime gives, so that a live update never needs more room.
constexpr const char* kWidestValue = "-0.000000";

// Draws its column's texts on one line: a number cut over two lines ("0." above "0349") would
// read as two numbers.
class OneLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->features &= ~QStyleOptionViewItem::WrapText;
        option->textElideMode = Qt::ElideLeft;
    }
};

QTableWidgetItem* Item(const QString& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

DynamicCharacteristicsDialog::DynamicCharacteristicsDialog(
    const KslDoc& doc, SurfacesProvider surfaces, QWidget* parent)
    : QDialog(parent)
    , doc_(doc)
    , surfaces_(std::move(surfaces))
    , plot_(std::make_unique<graphics::PeriodicResponsePlot>())
{
    setObjectName(QStringLiteral("dynamicCharacteristics"));
    setWindowTitle(QStringLiteral("Caractéristiques dynamiques de la paroi"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("Régime sinusoïdal de période %1 h (EN ISO 13786), "
                                            "de l'air extérieur à l'air intérieur.")
                                 .arg(ToQ(DynamicPeriodText(kDailyPeriodHours))),
        this);
    layout->addWidget(intro);
    refusal_ = NewPlainLabel({}, this);
    refusal_->setObjectName(QStringLiteral("refusal"));
    refusal_->setWordWrap(true);
    refusal_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    refusal_->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold;"));
    layout->addWidget(refusal_, 1);

    table_ = new QTableWidget(static_cast<int>(kDynamicValues.size()), 4, this);
    table_->setObjectName(QStringLiteral("values"));
    table_->setHorizontalHeaderLabels({ QStringLiteral("Grandeur"), QStringLiteral("Valeur"),
        QStringLiteral("Unité"), QStringLiteral("Signification") });
    table_->verticalHeader()->hide();
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setWordWrap(true);
    table_->horizontalHeader()->setStretchLastSection(true);
    for (const int column : { kColumnValue, kColumnValue + 1 })
        table_->setItemDelegateForColumn(column, new OneLineDelegate(table_));
    int row = 0;
    for (const DynamicValueInfo& info : kDynamicValues) {
        table_->setItem(row, 0, Item(ToQ(info.label), Qt::AlignLeft));
        table_->setItem(row, kColumnValue, Item(QString(), Qt::AlignRight));
        table_->setItem(row, 2, Item(ToQ(*info.unit ? info.unit : "-"), Qt::AlignLeft));
        table_->setItem(row, 3, Item(ToQ(info.meaning), Qt::AlignLeft));
        ++row;
    }
    layout->addWidget(table_);

    canvas_ = new LegendedChart(
        [plot = plot_.get()](QPainter& painter, const QRect& area) { plot->Draw(painter, area); },
        [plot = plot_.get()] { return plot->Legend(); }, graphics::style::kLegendHeight,
        QStringLiteral("responseChart"), QSize(420, kChartHeight), this,
        graphics::LegendLayout::Rows);
    layout->addWidget(canvas_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fermer"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    new HelpTopics(this, HelpTopic::DynamicCharacteristics);

    Refresh();
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    FitTo(screen != nullptr ? screen->availableGeometry().size() - kFrameAllowance
                            : QSize(1024, 768));
}

void DynamicCharacteristicsDialog::FitTo(const QSize& room)
{
    table_->resizeColumnsToContents();
    const int widest = table_->fontMetrics().horizontalAdvance(QString::fromLatin1(kWidestValue));
    table_->setColumnWidth(kColumnValue,
        std::max(table_->columnWidth(kColumnValue),
            widest + 2 * table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8));
    const QMargins margins = layout()->contentsMargins();
    int width = 2 * table_->frameWidth();
    for (int c = 0; c < 3; ++c)
        width += table_->columnWidth(c);
    table_->setColumnWidth(3,
        std::clamp(room.width() - margins.left() - margins.right() - width, kLeastMeaningWidth,
            kMeaningWidth));
    width += table_->columnWidth(3);
    table_->resizeRowsToContents();
    // The table shows all its rows without scrolling when the screen has room for them above
    // the chart; otherwise it scrolls, and the chart keeps its least height.
    int height = table_->horizontalHeader()->sizeHint().height() + 2 * table_->frameWidth();
    for (int r = 0; r < table_->rowCount(); ++r) {
        table_->setRowHeight(r, table_->rowHeight(r) + kRowPadding);
        height += table_->rowHeight(r);
    }
    // What the layout gives the regime line, the buttons, the margins and the spacing.
    const auto itemHeight = [this](QWidget* widget) {
        return layout()->itemAt(layout()->indexOf(widget))->sizeHint().height();
    };
    const int others = sizeHint().height() - itemHeight(table_) - itemHeight(canvas_);
    const int chart = std::clamp(room.height() - others - height, kLeastChartHeight, kChartHeight);
    canvas_->setMinimumHeight(chart);
    const int tableRoom = room.height() - others - chart;
    const bool scrolls = height > tableRoom;
    if (scrolls)
        width += table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    table_->setMinimumWidth(width);
    table_->setFixedHeight(std::min(height, tableRoom));
    table_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The chart takes what the screen leaves, up to 120 pixels above its height.
    const QSize wanted = sizeHint();
    resize(std::min(wanted.width(), room.width()),
        std::min(wanted.height() + 120, std::max(room.height(), wanted.height())));
}

DynamicCharacteristicsDialog::~DynamicCharacteristicsDialog() = default;

QString DynamicCharacteristicsDialog::Refusal() const
{
    return refusal_->text();
}

void DynamicCharacteristicsDialog::Refresh()
{
    WallCheck verdict;
    const SurfaceTexts surfaces = surfaces_ ? surfaces_() : doc_.surfaces;
    const auto wall = SiWallFromProject(doc_.layers, surfaces, &verdict);
    const auto values
        = wall ? ComputeDynamicCharacteristics(*wall, kDailyPeriodHours) : std::nullopt;
    showsValues_ = values.has_value();
    refusal_->setText(
        showsValues_ ? QString() : ToQ(verdict.Passed() ? msg::kInternalError : verdict.Message()));
    refusal_->setVisible(!showsValues_);
    for (QWidget* widget : std::array<QWidget*, 2> { table_, canvas_ })
        widget->setVisible(showsValues_);
    if (showsValues_) {
        int row = 0;
        int widest = 0;
        for (const DynamicValueInfo& info : kDynamicValues) {
            QTableWidgetItem* item = table_->item(row++, kColumnValue);
            item->setText(ToQ(DynamicValueText(info, *values)));
            widest = std::max(widest, table_->fontMetrics().horizontalAdvance(item->text()));
        }
        // A value wider than its column widens it, never wraps.
        if (widest + 8 > table_->columnWidth(kColumnValue))
            table_->resizeColumnToContents(kColumnValue);
        plot_->Show(*values);
    } else {
        plot_->Clear();
    }
    canvas_->update();
}

} // namespace quelvan::ui
