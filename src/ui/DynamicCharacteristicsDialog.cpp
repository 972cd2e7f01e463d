#include "ui/DynamicCharacteristicsDialog.h"

#include "core/Messages.h"
#include "engine/DynamicCharacteristicsText.h"
#include "engine/SiWall.h"
#include "graphics/PeriodicResponsePlot.h"
#include "model/KslDoc.h"
#include "model/WallCheck.h"
#include "ui/HelpSupport.h"
#include "ui/QtStrings.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

namespace quelvan::ui {

namespace {

constexpr int kLegendHeight = 40;
// Wide enough for most meanings on one line, the longer ones on two.
constexpr int kMeaningWidth = 560;
// Air above and below the texts, wrapped ones included.
constexpr int kRowPadding = 4;

QTableWidgetItem* Item(const QString& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

// The chart's drawing area.
class DynamicCharacteristicsDialog::PlotCanvas : public QWidget {
public:
    PlotCanvas(graphics::PeriodicResponsePlot& plot, QWidget* parent)
        : QWidget(parent)
        , plot_(plot)
    {
        setObjectName(QStringLiteral("responseChart"));
        setMinimumSize(420, 240);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        plot_.Paint(painter, size(), kLegendHeight);
    }

private:
    graphics::PeriodicResponsePlot& plot_;
};

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
    refusal_ = new QLabel(this);
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
    int row = 0;
    for (const DynamicValueInfo& info : kDynamicValues) {
        table_->setItem(row, 0, Item(QString::fromUtf8(info.label), Qt::AlignLeft));
        table_->setItem(row, kColumnValue, Item(QString(), Qt::AlignRight));
        table_->setItem(
            row, 2, Item(QString::fromUtf8(*info.unit ? info.unit : "-"), Qt::AlignLeft));
        table_->setItem(row, 3, Item(QString::fromUtf8(info.meaning), Qt::AlignLeft));
        ++row;
    }
    layout->addWidget(table_);

    canvas_ = new PlotCanvas(*plot_, this);
    layout->addWidget(canvas_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fermer"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    new HelpTopics(this, HelpTopic::Contents);

    Refresh();
    table_->resizeColumnsToContents();
    table_->setColumnWidth(3, kMeaningWidth);
    table_->resizeRowsToContents();
    // The table shows all its rows without scrolling; the chart takes the remaining height.
    int width = 2 * table_->frameWidth();
    for (int c = 0; c < table_->columnCount(); ++c)
        width += table_->columnWidth(c);
    int height = table_->horizontalHeader()->sizeHint().height() + 2 * table_->frameWidth();
    for (int r = 0; r < table_->rowCount(); ++r) {
        table_->setRowHeight(r, table_->rowHeight(r) + kRowPadding);
        height += table_->rowHeight(r);
    }
    table_->setMinimumWidth(width);
    table_->setFixedHeight(height);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resize(sizeHint().width(), sizeHint().height() + 120);
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
        for (const DynamicValueInfo& info : kDynamicValues)
            table_->item(row++, kColumnValue)->setText(ToQ(DynamicValueText(info, *values)));
        plot_->Show(*values);
    } else {
        plot_->Clear();
    }
    canvas_->update();
}

} // namespace quelvan::ui
