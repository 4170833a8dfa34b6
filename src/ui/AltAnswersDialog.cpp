#include "ui/AltAnswersDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ProgramState.h"
#include "ui/AppController.h"
#include "ui/Binding.h"

namespace kor::ui {

namespace {

// Columns 0..2 show the item, its options and its key; the answers follow.
constexpr int first_answer_column = 3;
constexpr int heading_rows = 3;
constexpr int column_width = 64;

QTableWidget* plainGrid(QWidget* parent, const char* name) {
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(QLatin1String(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultSectionSize(column_width);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    return grid;
}

}  // namespace

AltAnswersDialog::AltAnswersDialog(AppController& controller, QWidget* parent)
    : RepeatedDialog(parent), controller_(controller) {
    setObjectName(QStringLiteral("TAnswerForm"));
    setWindowTitle(QStringLiteral("Alternative Answers"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    QAction* close_item = file->addAction(QStringLiteral("Close (Cancel)"));
    close_item->setObjectName(QStringLiteral("CloseCancel1"));
    QAction* save_item = file->addAction(QStringLiteral("Save && Exit (OK)"));
    save_item->setObjectName(QStringLiteral("SaveExitOK1"));
    layout->setMenuBar(bar);

    auto* first = new QLabel(QStringLiteral("For each item, identify any additional correct "
                                            "answers (leave cells blank if not needed)."),
                             this);
    auto* second = new QLabel(
        QStringLiteral(
            "All alternative correct answers MUST be coded in NUMERIC format --- that is, "
            "alternatives below must be in (1,2,3,4,5,...) format even if answers and "
            "data are in letter or some other format."),
        this);
    second->setWordWrap(true);
    layout->addWidget(first);
    layout->addWidget(second);

    // The headings stand in a grid of their own over the table, column for column.
    titlegrid_ = plainGrid(this, "titlegrid");
    titlegrid_->setRowCount(heading_rows);
    titlegrid_->setFocusPolicy(Qt::NoFocus);
    titlegrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    titlegrid_->setSelectionMode(QAbstractItemView::NoSelection);
    titlegrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    titlegrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    titlegrid_->setFixedHeight(titlegrid_->verticalHeader()->defaultSectionSize() * heading_rows +
                               2 * titlegrid_->frameWidth());
    grid_ = plainGrid(this, "StringGrid1");
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // As tall as its rows where the screen allows, else it scrolls.
    grid_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid_->setMinimumHeight(grid_->verticalHeader()->defaultSectionSize() * 8);
    layout->addWidget(titlegrid_);
    layout->addWidget(grid_, 1);

    auto* buttons = new QHBoxLayout;
    QPushButton* cancel = namedButton(this, "btn_cancel", QStringLiteral("Cancel"));
    QPushButton* ok_button = namedButton(this, "btn_ok", QStringLiteral("OK"));
    ok_button->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok_button);
    layout->addLayout(buttons);
    connect(cancel, &QPushButton::clicked, this, &AltAnswersDialog::reject);
    connect(ok_button, &QPushButton::clicked, this, &AltAnswersDialog::ok);
    // The File menu's items do what their captions say.
    connect(close_item, &QAction::triggered, this, &AltAnswersDialog::reject);
    connect(save_item, &QAction::triggered, this, &AltAnswersDialog::ok);
    orderTabs(*this, {"StringGrid1", "btn_cancel", "btn_ok"});
}

void AltAnswersDialog::pushTable() {
    const AltAnswerTable& table = controller_.state().alt_table;
    const int columns = std::clamp(table.column_count, 0, alt_table_columns_max);
    titlegrid_->setColumnCount(columns);
    grid_->setColumnCount(columns);
    for (int c = 0; c < columns; ++c) {
        for (int row = 0; row < heading_rows; ++row) {
            auto* heading = new QTableWidgetItem(
                toQt(table.headings[static_cast<std::size_t>(c)][static_cast<std::size_t>(row)]));
            heading->setTextAlignment(Qt::AlignCenter);
            titlegrid_->setItem(row, c, heading);
        }
    }
    grid_->setRowCount(static_cast<int>(table.rows.size()));
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const AltAnswerRow& row = table.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < columns; ++c) {
            auto* cell = new QTableWidgetItem(toQt(row.cells[static_cast<std::size_t>(c)]));
            cell->setTextAlignment(Qt::AlignCenter);
            if (c < first_answer_column) {
                setReadOnlyCell(*cell);
            }
            grid_->setItem(r, c, cell);
        }
    }
    const int width = column_width * columns + 2 * grid_->frameWidth();
    titlegrid_->setFixedWidth(width);
    grid_->setFixedWidth(width + grid_->verticalScrollBar()->sizeHint().width());
}

void AltAnswersDialog::pullTable() {
    std::vector<AltAnswerRow> rows = controller_.state().alt_table.rows;
    for (int r = 0; r < grid_->rowCount() && r < static_cast<int>(rows.size()); ++r) {
        for (int c = first_answer_column; c < grid_->columnCount(); ++c) {
            const QTableWidgetItem* cell = grid_->item(r, c);
            rows[static_cast<std::size_t>(r)].cells[static_cast<std::size_t>(c)] =
                cell != nullptr ? fromQt(cell->text()) : std::string();
        }
    }
    controller_.setAltAnswerRows(rows);
}

void AltAnswersDialog::run() {
    pushTable();
    grid_->setCurrentCell(0, first_answer_column);
    grid_->setFocus();
    showUntilAccepted();
}

void AltAnswersDialog::ok() {
    commitTypedCell(*grid_);
    pullTable();
    answerOk(controller_.altAnswersOk());
}

}  // namespace kor::ui
