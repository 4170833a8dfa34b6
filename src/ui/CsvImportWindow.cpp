#include "ui/CsvImportWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "core/TextUtil.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/DialogParts.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"
#include "ui/ModalWindows.h"
#include "ui/ReportView.h"

namespace kor::ui {

namespace {

// The delimiters in the order of the delimiter box.
constexpr char delimiters[] = {',', ';', '\t'};

int delimiterIndex(char delimiter) {
    const auto* found = std::find(std::begin(delimiters), std::end(delimiters), delimiter);
    return found == std::end(delimiters) ? 0 : static_cast<int>(found - std::begin(delimiters));
}

// Spreadsheet column letters: A .. Z, AA, AB ...
QString columnLetters(std::size_t column) {
    QString letters;
    std::size_t n = column + 1;
    while (n > 0) {
        letters.prepend(QChar(u'A' + static_cast<char16_t>((n - 1) % 26)));
        n = (n - 1) / 26;
    }
    return letters;
}

// 1-based column numbers as the import reads them back: a range when the
// columns follow one another, else a comma-separated list.
QString columnNumbers(const std::vector<std::size_t>& columns) {
    if (columns.empty()) {
        return {};
    }
    const bool consecutive =
        columns.back() >= columns.front() && columns.back() - columns.front() + 1 == columns.size();
    if (consecutive && columns.size() > 1) {
        return QStringLiteral("%1-%2").arg(columns.front() + 1).arg(columns.back() + 1);
    }
    QStringList numbers;
    for (std::size_t c : columns) {
        numbers.append(QString::number(c + 1));
    }
    return numbers.join(QLatin1Char(','));
}

bool contains(const std::vector<std::size_t>& columns, std::size_t column) {
    return std::find(columns.begin(), columns.end(), column) != columns.end();
}

// The shades of the table: the id columns, the item columns, the version
// column, the group column, the key row and the row a refusal names. A
// column that holds both the version and the group shows the version's.
const QColor id_shade(255, 248, 220);
const QColor item_shade(225, 238, 255);
const QColor version_shade(240, 225, 250);
const QColor group_shade(255, 232, 205);
const QColor key_shade(220, 245, 220);
const QColor refused_shade(255, 215, 215);

// The short-row choices in the order of their box.
constexpr CsvShortRows short_row_choices[] = {CsvShortRows::refuse, CsvShortRows::blank};

// The choices the controls and the shading show: the plan's, or those of a
// plan refused for a row alone; none for any other refusal.
const CsvMapping* shownChoices(const CsvPlan& plan) {
    if (plan.mapping) {
        return &*plan.mapping;
    }
    return plan.choices ? &*plan.choices : nullptr;
}

// The rows of the file the table shows: the first ones, and the row a
// refusal names wherever it lies.
std::vector<std::size_t> shownRows(const CsvPlan& plan, std::size_t first_rows) {
    const std::vector<CsvRow>& rows = plan.table.rows;
    std::vector<std::size_t> shown;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r < first_rows || rows[r].number == plan.refused_row) {
            shown.push_back(r);
        }
    }
    return shown;
}

}  // namespace

CsvImportWindow::CsvImportWindow(AppController& controller, const QString& path, QWidget* parent)
    : QDialog(parent), controller_(controller), path_(path) {
    setObjectName(QStringLiteral("TCsvImportForm"));
    setWindowTitle(QStringLiteral("Import Spreadsheet (CSV) File - ") + QFileInfo(path).fileName());
    buildControls();
    replan();
}

void CsvImportWindow::buildControls() {
    auto* layout = new QVBoxLayout(this);
    grd_rows_ = new QTableWidget(this);
    grd_rows_->setObjectName(QStringLiteral("grd_rows"));
    grd_rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grd_rows_->setFont(reportFont(9));
    grd_rows_->setMinimumHeight(160);
    layout->addWidget(grd_rows_, 1);
    layout->addLayout(buildChoices());
    memo_summary_ = new QPlainTextEdit(this);
    memo_summary_->setObjectName(QStringLiteral("memo_summary"));
    memo_summary_->setReadOnly(true);
    memo_summary_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo_summary_->setMinimumHeight(100);
    layout->addWidget(memo_summary_);
    layout->addLayout(buildButtons());
    resizeWithinScreen(*this, {900, 660});
}

// The choices in two columns side by side, so that the window keeps to the
// height of a laptop screen: how the file is split and read, then the key,
// the options, short rows and the versions map.
QHBoxLayout* CsvImportWindow::buildChoices() {
    auto* columns = new QHBoxLayout;
    auto* reading = new QFormLayout;
    auto* keyed = new QFormLayout;
    columns->addLayout(reading, 1);
    columns->addSpacing(16);
    columns->addLayout(keyed, 1);
    QFormLayout* choices = reading;
    auto addEdit = [&](QLineEdit*& edit, const char* name, const QString& caption,
                       const QString& hint) {
        edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setPlaceholderText(hint);
        choices->addRow(caption, edit);
    };
    cmb_delimiter_ = new QComboBox(this);
    cmb_delimiter_->setObjectName(QStringLiteral("cmb_delimiter"));
    cmb_delimiter_->addItems(
        {QStringLiteral("Comma"), QStringLiteral("Semicolon"), QStringLiteral("Tab")});
    connect(cmb_delimiter_, &QComboBox::activated, this, [this] {
        delimiter_changed_ = true;
        replan();
    });
    choices->addRow(QStringLiteral("&Delimiter:"), cmb_delimiter_);
    chk_header_ = new QCheckBox(QStringLiteral("The first row names the columns"), this);
    chk_header_->setObjectName(QStringLiteral("chk_header"));
    connect(chk_header_, &QCheckBox::clicked, this, [this] {
        header_changed_ = true;
        replan();
    });
    choices->addRow(QStringLiteral("Header:"), chk_header_);
    addEdit(txt_ids_, "txt_ids", QStringLiteral("&Id columns:"),
            QStringLiteral("numbers or header names, comma-separated"));
    addEdit(txt_items_, "txt_items", QStringLiteral("I&tem columns:"),
            QStringLiteral("4-43 or Q1..Q40"));
    addEdit(txt_version_column_, "txt_version_column", QStringLiteral("&Versions:"),
            QStringLiteral("column number or header name"));
    addEdit(txt_group_column_, "txt_group_column", QStringLiteral("&Groups:"),
            QStringLiteral("column number or header name"));
    choices = keyed;
    addEdit(txt_key_row_, "txt_key_row", QStringLiteral("&Key row:"),
            QStringLiteral("row number, or none"));
    addEdit(txt_key_, "txt_key", QStringLiteral("Key t&yped:"),
            QStringLiteral("one character per item"));
    txt_key_->setFont(reportFont());
    addEdit(txt_options_, "txt_options", QStringLiteral("&Options:"),
            QStringLiteral("one digit, or one digit per item"));
    txt_options_->setFont(reportFont());
    cmb_short_rows_ = new QComboBox(this);
    cmb_short_rows_->setObjectName(QStringLiteral("cmb_short_rows"));
    cmb_short_rows_->addItems({QStringLiteral("refuse"), QStringLiteral("fill with blanks")});
    connect(cmb_short_rows_, &QComboBox::activated, this, &CsvImportWindow::replan);
    choices->addRow(QStringLiteral("Short rows:"), cmb_short_rows_);
    choices->addRow(buildVersionsMapChoice());
    return columns;
}

// The map from every version's questions to the master order, across from
// the version column: a button that asks for the file, and the file's name
// once one was chosen.
QHBoxLayout* CsvImportWindow::buildVersionsMapChoice() {
    auto* row = new QHBoxLayout;
    btn_versions_map_ = new QPushButton(QStringLiteral("Versions Map..."), this);
    btn_versions_map_->setObjectName(QStringLiteral("btn_versions_map"));
    btn_versions_map_->setAutoDefault(false);
    connect(btn_versions_map_, &QPushButton::clicked, this, &CsvImportWindow::chooseVersionsMap);
    lbl_versions_map_ = new QLabel(this);
    lbl_versions_map_->setObjectName(QStringLiteral("lbl_versions_map"));
    // A long file name is cut rather than widening the window; the tooltip
    // holds the whole path.
    lbl_versions_map_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(btn_versions_map_);
    row->addWidget(lbl_versions_map_, 1);
    return row;
}

// A cancelled dialog keeps the map chosen before.
void CsvImportWindow::chooseVersionsMap() {
    const QString path = FileDialogs::openFile(
        this, {QStringLiteral("Versions maps (*.csv *.txt)|*.csv;*.txt|All Files (*.*)|*.*"),
               QStringLiteral("csv"),
               {},
               QStringLiteral("Versions Map")});
    if (path.isEmpty()) {
        return;
    }
    versions_map_path_ = path;
    lbl_versions_map_->setText(QFileInfo(path).fileName());
    lbl_versions_map_->setToolTip(QDir::toNativeSeparators(path));
    replan();
}

// Enter in a box previews the changed choices; only OK fills the editor.
QHBoxLayout* CsvImportWindow::buildButtons() {
    auto* buttons = new QHBoxLayout;
    auto* preview = new QPushButton(QStringLiteral("&Preview"), this);
    preview->setObjectName(QStringLiteral("btn_preview"));
    preview->setDefault(true);
    connect(preview, &QPushButton::clicked, this, &CsvImportWindow::replan);
    auto* ok_button = new QPushButton(QStringLiteral("OK"), this);
    ok_button->setObjectName(QStringLiteral("btn_ok"));
    ok_button->setAutoDefault(false);
    connect(ok_button, &QPushButton::clicked, this, &CsvImportWindow::ok);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btn_cancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(preview);
    buttons->addStretch();
    buttons->addWidget(ok_button);
    buttons->addWidget(cancel);
    return buttons;
}

// The choices the user made, kept from one preview to the next: an edit box
// counts once it was typed into (emptied, it lets the import detect again),
// the delimiter and header once they were changed. Everything else is
// detected anew, so a changed header may move the detected columns.
void CsvImportWindow::takeChoices() {
    if (delimiter_changed_) {
        given_.delimiter = delimiters[cmb_delimiter_->currentIndex()];
    }
    if (header_changed_) {
        given_.header = chk_header_->isChecked();
    }
    given_.short_rows = short_row_choices[std::max(0, cmb_short_rows_->currentIndex())];
    auto typed = [](const QLineEdit* edit) -> std::optional<std::string> {
        if (!edit->isModified()) {
            return std::nullopt;
        }
        return fromQt(edit->text().trimmed());
    };
    if (const auto ids = typed(txt_ids_)) {
        given_.ids = *ids;
    }
    if (const auto items = typed(txt_items_)) {
        given_.items = *items;
    }
    if (const auto version_column = typed(txt_version_column_)) {
        given_.version_column = *version_column;
    }
    if (const auto group_column = typed(txt_group_column_)) {
        given_.group_column = *group_column;
    }
    if (const auto key_row = typed(txt_key_row_)) {
        given_.no_key_row = txt_key_row_->text().trimmed().compare(QStringLiteral("none"),
                                                                   Qt::CaseInsensitive) == 0;
        given_.key_row = parse_int(*key_row);
    }
    if (const auto key = typed(txt_key_)) {
        given_.key = *key;
    }
    if (const auto options = typed(txt_options_)) {
        given_.options = *options;
    }
}

void CsvImportWindow::replan() {
    takeChoices();
    plan_ = controller_.planCsvImport(fromQt(path_), given_,
                                      CsvSideFiles{{}, fromQt(versions_map_path_)});
    showPlan();
}

void CsvImportWindow::showPlan() {
    showTable();
    showChoices();
    QStringList lines;
    for (const std::string& message : plan_.outcome.messages) {
        lines.append(toQt(message));
    }
    if (plan_.mapping) {
        for (const std::string& line : csv_preview_summary(*plan_.mapping, plan_.table)) {
            lines.append(toQt(line));
        }
    }
    memo_summary_->setPlainText(lines.join(QLatin1Char('\n')));
}

void CsvImportWindow::showTable() {
    const CsvTable& table = plan_.table;
    const std::vector<std::size_t> shown = shownRows(plan_, preview_rows);
    const int rows = static_cast<int>(shown.size());
    grd_rows_->clear();
    grd_rows_->setRowCount(rows);
    grd_rows_->setColumnCount(static_cast<int>(table.columns));
    QStringList headings;
    for (std::size_t c = 0; c < table.columns; ++c) {
        headings.append(columnLetters(c));
    }
    grd_rows_->setHorizontalHeaderLabels(headings);
    QStringList row_numbers;
    const CsvMapping* mapping = shownChoices(plan_);
    int refused = -1;
    for (int r = 0; r < rows; ++r) {
        const CsvRow& row = table.rows[shown[static_cast<std::size_t>(r)]];
        if (row.number == plan_.refused_row) {
            refused = r;
        }
        row_numbers.append(QString::number(row.number));
        const bool key_row = mapping != nullptr && mapping->key_source == CsvKeySource::row &&
                             std::find(mapping->key_rows.begin(), mapping->key_rows.end(),
                                       row.number) != mapping->key_rows.end();
        const bool header_row = mapping != nullptr && mapping->header_row == row.number;
        for (std::size_t c = 0; c < row.cells.size() && c < table.columns; ++c) {
            auto* cell = new QTableWidgetItem(toQt(row.cells[c]));
            if (header_row) {
                QFont bold = grd_rows_->font();
                bold.setBold(true);
                cell->setFont(bold);
            } else if (key_row) {
                cell->setBackground(key_shade);
            } else if (mapping != nullptr && mapping->version_column == c) {
                cell->setBackground(version_shade);
            } else if (mapping != nullptr && mapping->group_column == c) {
                cell->setBackground(group_shade);
            } else if (mapping != nullptr && contains(mapping->item_columns, c)) {
                cell->setBackground(item_shade);
            } else if (mapping != nullptr && contains(mapping->id_columns, c)) {
                cell->setBackground(id_shade);
            }
            grd_rows_->setItem(r, static_cast<int>(c), cell);
        }
    }
    grd_rows_->setVerticalHeaderLabels(row_numbers);
    grd_rows_->resizeColumnsToContents();
    if (refused >= 0) {
        showRefusedRow(refused);
    }
}

// The row a refusal names is shaded, selected and scrolled to, so the user
// sees what to correct in the file or which choice to change.
void CsvImportWindow::showRefusedRow(int table_row) {
    for (int c = 0; c < grd_rows_->columnCount(); ++c) {
        QTableWidgetItem* cell = grd_rows_->item(table_row, c);
        if (cell == nullptr) {
            cell = new QTableWidgetItem;
            grd_rows_->setItem(table_row, c, cell);
        }
        cell->setBackground(refused_shade);
    }
    grd_rows_->selectRow(table_row);
    grd_rows_->scrollToItem(grd_rows_->item(table_row, 0));
}

// The controls show what the plan used, detected or given, so the user
// changes the detected choice rather than typing it from nothing.
void CsvImportWindow::showChoices() {
    const CsvMapping* shown = shownChoices(plan_);
    if (shown == nullptr) {
        return;  // a refused plan keeps what the user typed, to be corrected
    }
    const CsvMapping& m = *shown;
    cmb_delimiter_->setCurrentIndex(delimiterIndex(m.delimiter));
    chk_header_->setChecked(m.header_row != 0);
    txt_ids_->setText(m.row_numbers_as_ids ? QString() : columnNumbers(m.id_columns));
    txt_items_->setText(columnNumbers(m.item_columns));
    txt_version_column_->setText(m.version_column ? columnNumbers({*m.version_column}) : QString());
    txt_group_column_->setText(m.group_column ? columnNumbers({*m.group_column}) : QString());
    txt_key_row_->setText(m.key_source == CsvKeySource::row ? QString::number(m.key_row)
                                                            : QStringLiteral("none"));
    txt_key_->setText(m.key_source == CsvKeySource::text ? toQt(m.key) : QString());
    txt_options_->setText(m.options_given ? toQt(m.options) : QString());
    const auto* choice =
        std::find(std::begin(short_row_choices), std::end(short_row_choices), m.short_rows);
    cmb_short_rows_->setCurrentIndex(static_cast<int>(choice - std::begin(short_row_choices)));
}

void CsvImportWindow::ok() {
    const bool typed = txt_ids_->isModified() || txt_items_->isModified() ||
                       txt_version_column_->isModified() || txt_group_column_->isModified() ||
                       txt_key_row_->isModified() || txt_key_->isModified() ||
                       txt_options_->isModified();
    if (typed) {
        replan();  // what the user typed last counts, as if previewed
    }
    if (!plan_.mapping) {
        showOutcome(*this, plan_.outcome);
        return;
    }
    const Outcome applied = controller_.applyCsvPlan(plan_, fromQt(path_));
    if (applied.refused) {
        showOutcome(*this, applied);
        return;
    }
    accept();
}

std::optional<CsvPlan> CsvImportWindow::importFile(AppController& controller, QWidget* parent) {
    const QString path = FileDialogs::openFile(
        parent, {QStringLiteral("Spreadsheet files (*.csv *.tsv *.txt)|*.csv;*.tsv;*.txt|"
                                "All Files (*.*)|*.*"),
                 QStringLiteral("csv"),
                 {},
                 QStringLiteral("Import Spreadsheet (CSV) File")});
    if (path.isEmpty()) {
        return std::nullopt;
    }
    CsvImportWindow preview(controller, path, parent);
    if (ModalWindows::exec(preview) != QDialog::Accepted) {
        return std::nullopt;
    }
    return preview.plan();
}

}  // namespace kor::ui
