#pragma once

#include "model/SurfaceTexts.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QTableWidget;
class QWidget;

namespace quelvan {
class KslDoc;
}
namespace quelvan::graphics {
class PeriodicResponsePlot;
}

namespace quelvan::ui {

// "Caractéristiques dynamiques de la paroi": the values of the wall for a daily sinusoidal
// regime in a table (name, value, unit, what it means) above a chart of the exterior
// temperature wave and the interior flux wave over 24 h. A wall the calculation refuses shows
// the wall check's message instead. The dialog is modeless: it stays open beside the form and
// Refresh recomputes it from the document's layers and the surface resistances the form shows.
class DynamicCharacteristicsDialog : public QDialog {
    Q_OBJECT
public:
    using SurfacesProvider = std::function<SurfaceTexts()>;

    static constexpr int kColumnValue = 1;

    DynamicCharacteristicsDialog(
        const KslDoc& doc, SurfacesProvider surfaces, QWidget* parent = nullptr);
    ~DynamicCharacteristicsDialog() override;

    // Recomputes the values, the chart and the message from the wall as it is now.
    void Refresh();

    // False when the wall check refused the wall (the message is then shown).
    bool ShowsValues() const { return showsValues_; }
    QTableWidget* Table() const { return table_; }
    // The wall check's message; empty while values are shown.
    QString Refusal() const;
    const graphics::PeriodicResponsePlot& Plot() const { return *plot_; }

    // Sizes the columns, the rows and the chart for a screen area of that size: the meaning
    // column narrows (its texts wrap on more lines) and the table scrolls when the area is
    // too small for the whole dialog, so that "Fermer" stays on the screen.
    void FitTo(const QSize& room);

private:
    const KslDoc& doc_;
    SurfacesProvider surfaces_;
    std::unique_ptr<graphics::PeriodicResponsePlot> plot_;
    QLabel* refusal_ = nullptr;
    QTableWidget* table_ = nullptr;
    QWidget* canvas_ = nullptr;
    bool showsValues_ = false;
};

} // namespace quelvan::ui
