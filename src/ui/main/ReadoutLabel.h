#pragma once

#include <QLabel>

namespace quelvan::ui {

// A read-out of the main form: a white sunken box of fixed width, its value aligned on the
// right. A value wider than the box is shown in a smaller font, down to kSmallestPointSize,
// and then with fewer decimals, so that its sign and its first digits are always visible.
// The full value is the box's tooltip.
class ReadoutLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr double kSmallestPointSize = 7.0;

    explicit ReadoutLabel(QWidget* parent = nullptr);

    void SetValue(const QString& value);
    // The value as computed, before any fitting.
    const QString& Value() const { return value_; }
    // The width the text may take inside the frame, margin and indent.
    int TextRoom() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit();

    QString value_;
};

} // namespace quelvan::ui
