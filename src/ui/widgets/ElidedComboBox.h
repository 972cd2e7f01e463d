#pragma once

#include <QComboBox>

namespace quelvan::ui {

// A drop-down list that shows a choice too long for its width cut with "…" rather than
// clipped mid-word, and the whole choice in its tooltip; its list opens wide enough for the
// longest choice (up to the screen's width).
class ElidedComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ElidedComboBox(QWidget* parent = nullptr);

    // The text drawn in the field: the current choice, elided to the field's room.
    QString ShownText() const;
    void showPopup() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect TextRect() const;
};

} // namespace quelvan::ui
