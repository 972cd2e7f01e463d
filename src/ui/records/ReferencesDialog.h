#pragma once

#include <QDialog>

class QLineEdit;

namespace quelvan::ui {

class Prompter;

// "Références": the author name and the project reference, at most 34 characters each; a
// longer text is refused at "OK" with the maximum-length message and the dialog stays open.
class ReferencesDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 34;

    ReferencesDialog(const QString& author, const QString& reference, Prompter& prompter,
        QWidget* parent = nullptr);
    QString Author() const;
    QString Reference() const;

    void accept() override;

private:
    Prompter& prompter_;
    QLineEdit* author_;
    QLineEdit* reference_;
};

} // namespace quelvan::ui
