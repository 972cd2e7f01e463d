#include "ui/lists/CatalogueDialog.h"

#include "graphics/QtStrings.h"
#include "ui/shell/HelpSupport.h"
#include "ui/widgets/PlainText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quelvan::ui {

namespace {

constexpr int kColumns = 7;

// A value with the catalogue's mark when it is a default rather than a source's.
QString Valued(const std::string& value, bool byDefault)
{
    return byDefault ? ToQ(value) + QStringLiteral(" (défaut)") : ToQ(value);
}

QString VapourText(const CatalogueEntry& e)
{
    if (!e.sd.empty())
        return QStringLiteral("s_d %1 m").arg(ToQ(e.sd));
    return e.mu.empty() ? QStringLiteral("-") : ToQ(e.mu);
}

QString Remark(const CatalogueEntry& e)
{
    if (e.conductivityDefault || e.densityDefault)
        return QStringLiteral("λ, ρ, c par défaut (thermiquement négligeables)");
    if (e.capacityDefault)
        return QStringLiteral("c par défaut");
    return ToQ(e.note);
}

} // namespace

CatalogueDialog::CatalogueDialog(std::vector<CatalogueEntry> entries, QWidget* parent)
    : QDialog(parent)
    , entries_(std::move(entries))
    , search_(new QLineEdit)
    , table_(new QTableWidget(0, kColumns))
    , count_(NewPlainLabel())
{
    setObjectName(QStringLiteral("catalogue"));
    setWindowTitle(QStringLiteral("Catalogue de matériaux"));
    auto* layout = new QVBoxLayout(this);
    search_->setObjectName(QStringLiteral("search"));
    search_->setPlaceholderText(
        QStringLiteral("Rechercher par nom ou famille (ex. : laine, béton, pare-vapeur)"));
    search_->setClearButtonEnabled(true);
    layout->addWidget(search_);
    table_->setObjectName(QStringLiteral("entries"));
    table_->setHorizontalHeaderLabels({ QStringLiteral("Nom"), QStringLiteral("Famille"),
        QStringLiteral("λ (W/m.K)"), QStringLiteral("ρ (kg/m³)"), QStringLiteral("c (J/kg.K)"),
        QStringLiteral("μ ou s_d"), QStringLiteral("Remarque") });
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);
    layout->addWidget(count_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Ajouter au projet"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(search_, &QLineEdit::textChanged, this, &CatalogueDialog::Search);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });
    new HelpTopics(this, HelpTopic::Materials);
    Search({});
    resize(980, 560);
}

void CatalogueDialog::Search(const QString& text)
{
    // A search made by the program shows its text in the field too (which searches again).
    if (search_->text() != text) {
        search_->setText(text);
        return;
    }
    shown_ = SearchCatalogue(entries_, FromQ(text));
    Fill();
}

int CatalogueDialog::ShownCount() const
{
    return static_cast<int>(shown_.size());
}

void CatalogueDialog::Fill()
{
    table_->setRowCount(ShownCount());
    for (int row = 0; row < ShownCount(); ++row) {
        const CatalogueEntry& e = entries_[shown_[static_cast<std::size_t>(row)]];
        const QString cells[kColumns] { ToQ(e.name), ToQ(e.family),
            Valued(e.conductivity, e.conductivityDefault), Valued(e.density, e.densityDefault),
            Valued(e.capacity, e.capacityDefault), VapourText(e), Remark(e) };
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);
            if (c >= 2 && c <= 5)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, c, item);
        }
    }
    table_->resizeColumnsToContents();
    table_->setColumnWidth(0, std::min(table_->columnWidth(0), 300));
    if (ShownCount() > 0)
        table_->selectRow(0);
    count_->setText(QStringLiteral("%1 matériau(x) sur %2").arg(ShownCount()).arg(entries_.size()));
}

bool CatalogueDialog::ChooseRow(int row)
{
    if (row < 0 || row >= ShownCount())
        return false;
    table_->selectRow(row);
    return true;
}

void CatalogueDialog::accept()
{
    const int row = table_->currentRow();
    if (row < 0 || row >= ShownCount())
        return;
    chosen_ = entries_[shown_[static_cast<std::size_t>(row)]];
    QDialog::accept();
}

} // namespace quelvan::ui
