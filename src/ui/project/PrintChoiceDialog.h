#pragma once

#include "printing/ReportPages.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QCheckBox;

namespace quelvan::ui {

// "Impression": which parts a printed report contains (the first five print-choice flags), and
// under them whether the report ends with the annual balance and the condensation check.
class PrintChoiceDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kChoiceCount = static_cast<int>(printing::kPages.size());

    template <typename Flags>
    explicit PrintChoiceDialog(const Flags& flags, QWidget* parent = nullptr)
        : PrintChoiceDialog(parent)
    {
        for (int i = 0; i < kChoiceCount; ++i)
            SetChecked(i, flags[static_cast<size_t>(i)] != 0);
    }

    bool IsChecked(int flag) const;
    void SetChecked(int flag, bool checked);
    bool AnnualBalanceChecked() const;
    void SetAnnualBalanceChecked(bool checked);
    bool CondensationChecked() const;
    void SetCondensationChecked(bool checked);
    // The boxes of a complete report: curves of the last 24 hours, in-wall values, materials.
    void ChooseCompleteReport();

private:
    explicit PrintChoiceDialog(QWidget* parent);
    std::array<QCheckBox*, kChoiceCount> boxes_ {};
    QCheckBox* annualBalance_ = nullptr;
    QCheckBox* condensation_ = nullptr;
};

} // namespace quelvan::ui
