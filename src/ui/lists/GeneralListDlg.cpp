#include "ui/lists/GeneralListDlg.h"

#include "core/Messages.h"
#include "graphics/QtStrings.h"
#include "ui/shell/HelpSupport.h"
#include "ui/shell/Prompter.h"
#include "ui/widgets/PlainText.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace quelvan::ui {

// The client area under the menu: the grid from (3, 3), the buttons under it.
class GeneralListDlg::GridCanvas : public QWidget {
public:
    explicit GridCanvas(GeneralListDlg& dialog)
        : QWidget(&dialog)
        , dialog_(dialog)
    {
        setObjectName(QStringLiteral("listCanvas"));
        setContextMenuPolicy(Qt::DefaultContextMenu);
        // The rows are chosen and edited from the keyboard too.
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        dialog_.grid_.Draw(painter);
        if (hasFocus()) {
            // Where the keys go: a dotted frame around the table.
            const graphics::IRect t = dialog_.grid_.TableRect();
            painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(t.left - 2, t.top - 2, t.Width() + 3, t.Height() + 3));
        }
    }
    void focusInEvent(QFocusEvent* event) override
    {
        QWidget::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QWidget::focusOutEvent(event);
        update();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!dialog_.KeyOnGrid(*event))
            QWidget::keyPressEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            dialog_.PressAt(event->position().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent*) override
    {
        // Header cells stay pressed only while the button is held.
        auto& grid = dialog_.grid_;
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            if (grid.Cell(0, c).pressed) {
                grid.Cell(0, c).pressed = false;
                update();
                break;
            }
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            dialog_.DoubleClickAt(event->position().toPoint());
    }
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        if (event->reason() == QContextMenuEvent::Mouse)
            dialog_.ContextMenuAt(event->pos(), event->globalPos());
        else
            dialog_.prompter_.ExecMenu(*dialog_.editMenu_, event->globalPos());
    }

private:
    GeneralListDlg& dialog_;
};

GeneralListDlg::GeneralListDlg(ListKind kind, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , kind_(kind)
    , prompter_(prompter)
{
    setWindowTitle(QStringLiteral("General List"));
    grid_.SetPosition({ 3, 3 });
    grid_.innerVerticalLines = Describe(kind).columnLines;
    grid_.Row(0).height = graphics::NGridTable::kHeaderHeight;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);
    QMenu* window = menuBar_->addMenu(QStringLiteral("&Fenêtre"));
    window->addAction(QStringLiteral("Fermer &sans Enregistrer"), this, &QDialog::reject);
    window->addAction(QStringLiteral("Fermet et &Enregistrer"), this, &QDialog::accept);
    editMenu_ = menuBar_->addMenu(QStringLiteral("&Edition"));
    editMenu_->addAction(QStringLiteral("Déplacer vers le &bas"), this, &GeneralListDlg::MoveDown);
    editMenu_->addAction(QStringLiteral("Déplacer vers le &haut"), this, &GeneralListDlg::MoveUp);
    editMenu_->addAction(QStringLiteral("&Editer"), this, &GeneralListDlg::EditSelected);
    if (Describe(kind).rowsAddable) {
        editMenu_->addAction(QStringLiteral("&Ajouter"), this, &GeneralListDlg::AddRow);
        deleteAction_
            = editMenu_->addAction(QStringLiteral("&Supprimer"), this, &GeneralListDlg::DeleteRow);
    } else if (Describe(kind).ownRecords) {
        // Materials and ambiances of the user's own are added by copying a record.
        editMenu_->addAction(
            QStringLiteral("D&upliquer"), this, &GeneralListDlg::DuplicateSelected);
        deleteAction_
            = editMenu_->addAction(QStringLiteral("&Supprimer"), this, &GeneralListDlg::DeleteRow);
    }
    if (deleteAction_)
        deleteAction_->setShortcut(QKeySequence::Delete);
    QMenu* help = menuBar_->addMenu(QStringLiteral("A&ide"));
    help->addAction(
        QStringLiteral("&Afficher l'aide"), this, [this] { ShowHelp(this, HelpTopic::Contents); });

    canvas_ = new GridCanvas(*this);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(canvas_);
    scroll_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(scroll_);
    ok_ = new QPushButton(QStringLiteral("OK"), canvas_);
    cancel_ = new QPushButton(QStringLiteral("Annuler"), canvas_);
    ok_->setObjectName(QStringLiteral("okButton"));
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    ok_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    hint_ = NewPlainLabel({}, canvas_);
    hint_->setObjectName(QStringLiteral("hint"));
    hint_->setWordWrap(true);
    hint_->hide();

    new HelpTopics(this, Describe(kind).helpTopic);
    canvas_->setFocus(Qt::OtherFocusReason); // taken when the dialog shows
}

void GeneralListDlg::SetHint(const QString& hint)
{
    hint_->setText(hint);
    hint_->setVisible(!hint.isEmpty());
    FitToGrid();
}

void GeneralListDlg::FitToGrid()
{
    const graphics::IRect table = grid_.TableRect();
    const int w = table.Width();
    int h = table.Height();
    if (!hint_->text().isEmpty()) {
        // Wrapped onto as many lines as the grid's width needs.
        hint_->setGeometry(3, h + 7, w, hint_->heightForWidth(w));
        h += hint_->height() + 4;
    }
    const int buttonWidth = static_cast<int>(22 * 2.7);
    cancel_->setGeometry(w + 3 - buttonWidth, h + 9, buttonWidth, 22);
    ok_->setGeometry(w + 3 - 2 * buttonWidth - 5, h + 9, buttonWidth, 22);
    canvas_->setFixedSize(w + 6, h + 34);
    // Below the screen's height the list shows whole; above, it scrolls (title bar, frame and
    // menu bar take about 100 pixels).
    const QScreen* screen = this->screen();
    const int room = screen != nullptr
        ? screen->availableGeometry().height() - 100 - menuBar_->sizeHint().height()
        : canvas_->height();
    if (canvas_->height() <= room)
        scroll_->setFixedSize(canvas_->size());
    else
        scroll_->setFixedSize(
            canvas_->width() + scroll_->verticalScrollBar()->sizeHint().width(), room);
    canvas_->update();
}

int GeneralListDlg::SelectedRow() const
{
    for (int r = 1; r < grid_.RowCount(); ++r)
        if (grid_.Row(r).selected)
            return r;
    return -1;
}

void GeneralListDlg::SelectRow(int row)
{
    for (int r = 1; r < grid_.RowCount(); ++r)
        grid_.Row(r).selected = r == row;
    canvas_->update();
}

void GeneralListDlg::NoSelection()
{
    prompter_.Message(this, ToQ(msg::kNoSelectedRow), Prompter::Icon::Information);
}

void GeneralListDlg::MoveDown()
{
    const int row = SelectedRow();
    if (row < 0)
        return NoSelection();
    if (row == grid_.RowCount() - 1)
        return;
    grid_.MoveRow(row, row + 1);
    canvas_->update();
    RowsChanged(QStringLiteral("Déplacer vers le bas"));
}

void GeneralListDlg::MoveUp()
{
    const int row = SelectedRow();
    if (row < 0)
        return NoSelection();
    if (row == 1)
        return;
    grid_.MoveRow(row, row - 1);
    canvas_->update();
    RowsChanged(QStringLiteral("Déplacer vers le haut"));
}

void GeneralListDlg::EditSelected()
{
    const int row = SelectedRow();
    if (row < 0)
        return NoSelection();
    EditRow(row, 0);
}

bool GeneralListDlg::RowLimitReached()
{
    const int dataRows = grid_.RowCount() - 1;
    if (rowLimit_ <= 0 || dataRows < rowLimit_)
        return false;
    prompter_.Message(this, ToQ(msg::kMaxElements), Prompter::Icon::Information);
    return true;
}

void GeneralListDlg::AddRow()
{
    if (!Describe(kind_).rowsAddable || RowLimitReached())
        return;
    const int selected = SelectedRow();
    const int after = selected >= 0 ? selected : grid_.RowCount() - 1;
    grid_.InsertRowAfter(after);
    const int row = after + 1;
    grid_.Row(row).height = kRowHeight;
    FillNewRow(row);
    SelectRow(row);
    FitToGrid();
    RowsChanged(QStringLiteral("Ajouter"));
}

void GeneralListDlg::DeleteRow()
{
    const int row = SelectedRow();
    if (row < 0)
        return NoSelection();
    if (!MayDeleteRow(row))
        return;
    grid_.Row(row).selected = false;
    RowDeleted(row);
    grid_.DeleteRow(row);
    FitToGrid();
    RowsChanged(QStringLiteral("Supprimer"));
}

void GeneralListDlg::DuplicateSelected()
{
    if (!Describe(kind_).ownRecords)
        return;
    const int row = SelectedRow();
    if (row < 0)
        return NoSelection();
    if (!RowLimitReached())
        DuplicateRow(row);
}

void GeneralListDlg::FillNewRow(int)
{
}
void GeneralListDlg::RowDeleted(int)
{
}
bool GeneralListDlg::MayDeleteRow(int)
{
    return true;
}
void GeneralListDlg::DuplicateRow(int)
{
}

void GeneralListDlg::PressAt(QPoint point)
{
    const graphics::GridHit hit = grid_.HitTest({ point.x(), point.y() });
    if (hit.outside || hit.row < 0 || hit.column < 0)
        return;
    if (hit.row == 0) {
        auto& cell = grid_.Cell(0, hit.column);
        cell.pressed = !cell.pressed;
    } else if (grid_.Row(hit.row).selected) {
        grid_.Row(hit.row).selected = false;
    } else if (grid_.Cell(hit.row, hit.column).type == graphics::CellKind::CheckBox) {
        auto& cell = grid_.Cell(hit.row, hit.column);
        cell.checked = !cell.checked;
    } else {
        SelectRow(hit.row);
    }
    canvas_->update();
}

void GeneralListDlg::ContextMenuAt(QPoint point, QPoint globalPos)
{
    const graphics::GridHit hit = grid_.HitTest({ point.x(), point.y() });
    if (!hit.outside && hit.row >= 1 && hit.column >= 0)
        SelectRow(hit.row);
    prompter_.ExecMenu(*editMenu_, globalPos);
}

void GeneralListDlg::keyPressEvent(QKeyEvent* event)
{
    if (deleteAction_ && event->matches(QKeySequence::Delete)) {
        DeleteRow();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool GeneralListDlg::KeyOnGrid(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) != Qt::NoModifier)
        return false;
    const int last = grid_.RowCount() - 1;
    const int selected = SelectedRow();
    const auto select = [this](int row) {
        SelectRow(row);
        int top = grid_.TableRect().top;
        for (int r = 0; r < row; ++r)
            top += grid_.Row(r).height;
        const int height = grid_.Row(row).height;
        scroll_->ensureVisible(0, top + height / 2, 0, height);
    };
    switch (event.key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_Space:
    case Qt::Key_Home:
    case Qt::Key_End: {
        if (last < 1)
            return true;
        int row = selected < 0 ? 1 : selected;
        if (selected >= 0 && event.key() == Qt::Key_Down)
            row = std::min(selected + 1, last);
        else if (selected >= 0 && event.key() == Qt::Key_Up)
            row = std::max(selected - 1, 1);
        else if (event.key() == Qt::Key_Home)
            row = 1;
        else if (event.key() == Qt::Key_End)
            row = last;
        select(row);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EditSelected();
        return true;
    case Qt::Key_Insert:
        if (Describe(kind_).rowsAddable)
            AddRow();
        else if (Describe(kind_).ownRecords)
            DuplicateSelected();
        return true;
    case Qt::Key_Delete:
        if (deleteAction_)
            DeleteRow();
        return true;
    default:
        return false;
    }
}

void GeneralListDlg::DoubleClickAt(QPoint point)
{
    const graphics::GridHit hit = grid_.HitTest({ point.x(), point.y() });
    if (hit.outside || hit.row < 1 || hit.column < 0)
        return;
    SelectRow(hit.row);
    EditRow(hit.row, hit.column);
}

} // namespace quelvan::ui
