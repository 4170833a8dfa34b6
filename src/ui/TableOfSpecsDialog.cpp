#include "ui/TableOfSpecsDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "ui/AppController.h"
#include "ui/Binding.h"

namespace kor::ui {

namespace {

constexpr int grid_count = 3;
constexpr int grid_rows = 3;  // item number, content area, cognitive level
constexpr int item_row = 0;
constexpr int area_row = 1;
constexpr int level_row = 2;

QTableWidget* itemGrid(QWidget* parent, const char* name) {
    auto* grid = new QTableWidget(grid_rows, 0, parent);
    grid->setObjectName(QLatin1String(name));
    grid->horizontalHeader()->hide();
    grid->setVerticalHeaderLabels({QStringLiteral("Item #"), QStringLiteral("Content Area"),
                                   QStringLiteral("Cognitive Level")});
    setCompactGrid(*grid, grid->fontMetrics().horizontalAdvance(QStringLiteral("1000")));
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Three rows and room for the scroll bar the grid needs where the window is narrow.
    grid->setFixedHeight(grid->verticalHeader()->defaultSectionSize() * grid_rows +
                         2 * grid->frameWidth() + grid->horizontalScrollBar()->sizeHint().height());
    return grid;
}

// A scrolled area that asks for room to show all of its grids; the window
// gives it less where the screen has less, and then it scrolls.
class GridArea : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget() != nullptr ? widget()->sizeHint() + QSize(frame, frame)
                                   : QScrollArea::sizeHint();
    }
};

QTableWidgetItem* cellWith(const std::string& text) {
    auto* cell = new QTableWidgetItem(toQt(text));
    cell->setTextAlignment(Qt::AlignCenter);
    return cell;
}

std::string cellText(const QTableWidget& grid, int row, int column) {
    const QTableWidgetItem* cell = grid.item(row, column);
    return cell != nullptr ? fromQt(cell->text()) : std::string();
}

}  // namespace

TableOfSpecsDialog::TableOfSpecsDialog(AppController& controller, QWidget* parent)
    : RepeatedDialog(parent), controller_(controller) {
    setObjectName(QStringLiteral("TTableForm"));
    setWindowTitle(QStringLiteral("Table of Specifications"));
    auto* layout = new QVBoxLayout(this);
    buildMenus();

    auto* counts = new QHBoxLayout;
    counts->addWidget(
        buildCounts(QStringLiteral("Number of Content Areas"), "rdo_ca", area_radios_, true));
    counts->addWidget(buildCounts(QStringLiteral("Number of Cognitive Skill Levels"), "rdo_cs",
                                  level_radios_, false));
    layout->addLayout(counts);
    auto* names = new QHBoxLayout;
    names->addWidget(buildNames(QStringLiteral("Content Area Names"), "txt_content", "lbl_content",
                                "Content Area", area_names_, area_labels_));
    names->addWidget(buildNames(QStringLiteral("Cognitive Skill Level Names"), "txt_skill",
                                "lbl_skill", "Cognitive Level", level_names_, level_labels_));
    layout->addLayout(names);
    layout->addWidget(namedLabel(
        this, "lbl_grids",
        QStringLiteral(
            "For each item, indicate its Content Area (1-6) and its Cognitive Level (1-6)")));
    layout->addWidget(buildGrids(), 1);

    auto* buttons = new QHBoxLayout;
    QPushButton* reset = namedButton(this, "btn_reset", QStringLiteral("Reset Screen"));
    QPushButton* cancel = namedButton(this, "BitBtn1", QStringLiteral("Cancel"));
    QPushButton* ok_button = namedButton(this, "BitBtn2", QStringLiteral("OK"));
    ok_button->setDefault(true);
    buttons->addWidget(reset);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok_button);
    layout->addLayout(buttons);
    connect(reset, &QPushButton::clicked, this,
            [this] { change([this] { controller_.tosReset(); }); });
    connect(cancel, &QPushButton::clicked, this, &TableOfSpecsDialog::reject);
    connect(ok_button, &QPushButton::clicked, this, &TableOfSpecsDialog::ok);

    orderTabs(*this,
              {"rdo_ca0",      "rdo_ca1",      "rdo_ca2",      "rdo_ca3",      "rdo_ca4",
               "rdo_ca5",      "rdo_ca6",      "rdo_cs0",      "rdo_cs1",      "rdo_cs2",
               "rdo_cs3",      "rdo_cs4",      "rdo_cs5",      "rdo_cs6",      "txt_content1",
               "txt_content2", "txt_content3", "txt_content4", "txt_content5", "txt_content6",
               "txt_skill1",   "txt_skill2",   "txt_skill3",   "txt_skill4",   "txt_skill5",
               "txt_skill6",   "StringGrid1",  "StringGrid2",  "StringGrid3",  "btn_reset",
               "BitBtn1",      "BitBtn2"});
    pushForm();
}

void TableOfSpecsDialog::buildMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    layout()->setMenuBar(bar);
    auto add = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
    };
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    add(file, "CloseCancel1", QStringLiteral("Cancel"), [this] { reject(); });
    add(file, "CloseSave1", QStringLiteral("Save && Exit (OK)"), [this] { ok(); });
    QMenu* options = bar->addMenu(QStringLiteral("Options"));
    options->setObjectName(QStringLiteral("Options1"));
    add(options, "Reset1", QStringLiteral("Reset"),
        [this] { change([this] { controller_.tosReset(); }); });
    add(options, "UseaDefaultSetofSpecifications1",
        QStringLiteral("Use a Default Set of Specifications"),
        [this] { change([this] { controller_.tosUseDefaultSet(); }); });
    const std::pair<const char*, std::pair<const char*, Taxonomy>> taxonomies[] = {
        {"PophamsTaxonomy1", {"Popham's Taxonomy", Taxonomy::popham}},
        {"BloomsTaxonomy1", {"Bloom's Taxonomy", Taxonomy::bloom}},
        {"GagnesTaxonomy1", {"Gagne's Taxonomy", Taxonomy::gagne}},
        {"OosterhofsTaxonomy1", {"Oosterhof's Taxonomy", Taxonomy::oosterhof}},
    };
    for (const auto& [name, item] : taxonomies) {
        const Taxonomy taxonomy = item.second;
        add(options, name, QLatin1String(item.first), [this, taxonomy] {
            change([this, taxonomy] { controller_.tosUseTaxonomy(taxonomy); });
        });
    }
}

QWidget* TableOfSpecsDialog::buildCounts(const QString& caption, const char* radio_prefix,
                                         QRadioButton** radios, bool areas) {
    auto* box = new QGroupBox(caption, this);
    auto* row = new QHBoxLayout(box);
    for (int k = 0; k <= max_tos_categories; ++k) {
        const QString name = QLatin1String(radio_prefix) + QString::number(k);
        QRadioButton* radio = namedRadio(box, qPrintable(name), QString::number(k));
        radios[k] = radio;
        row->addWidget(radio);
        connect(radio, &QRadioButton::clicked, this, [this, k, areas] {
            change([this, k, areas] {
                areas ? controller_.tosSelectAreas(k) : controller_.tosSelectLevels(k);
            });
        });
    }
    row->addStretch();
    return box;
}

QWidget* TableOfSpecsDialog::buildNames(const QString& caption, const char* edit_prefix,
                                        const char* label_prefix, const char* caption_text,
                                        QLineEdit** edits, QLabel** labels) {
    auto* box = new QGroupBox(caption, this);
    auto* grid = new QGridLayout(box);
    // One name under the other, each box wide enough for the longest name a
    // taxonomy puts there, so that it shows whole.
    for (int k = 1; k <= max_tos_categories; ++k) {
        QLineEdit* edit =
            namedEdit(box, qPrintable(QLatin1String(edit_prefix) + QString::number(k)));
        edit->setMaxLength(static_cast<int>(tos_name_length));
        edit->setMinimumWidth(
            edit->fontMetrics().horizontalAdvance(QStringLiteral("Declarative Knowledge")) + 12);
        QLabel* label =
            namedLabel(box, qPrintable(QLatin1String(label_prefix) + QString::number(k)),
                       QStringLiteral("%1 %2").arg(QLatin1String(caption_text)).arg(k));
        label->setBuddy(edit);
        edits[k - 1] = edit;
        labels[k - 1] = label;
        grid->addWidget(label, k - 1, 0);
        grid->addWidget(edit, k - 1, 1);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

// The grids stand in a scrolled area: a window smaller than the three grids
// scrolls them instead of running off the screen.
QWidget* TableOfSpecsDialog::buildGrids() {
    auto* area = new GridArea(this);
    area->setObjectName(QStringLiteral("grid_area"));
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* inside = new QWidget(area);
    auto* column = new QVBoxLayout(inside);
    column->setContentsMargins(0, 0, 0, 0);
    for (int g = 0; g < grid_count; ++g) {
        grids_[g] = itemGrid(inside, qPrintable(QStringLiteral("StringGrid%1").arg(g + 1)));
        column->addWidget(grids_[g]);
    }
    column->addStretch();
    area->setWidget(inside);
    area->setMinimumHeight(grids_[0]->height());
    return area;
}

// ---------------------------------------------------------------- the form

void TableOfSpecsDialog::pushForm() {
    const TosForm& form = controller_.state().tos_form;
    for (int k = 0; k <= max_tos_categories; ++k) {
        area_radios_[k]->setChecked(k == form.areas);
        level_radios_[k]->setChecked(k == form.levels);
    }
    for (int k = 1; k <= max_tos_categories; ++k) {
        area_names_[k - 1]->setText(toQt(form.txt_content[at(k)]));
        level_names_[k - 1]->setText(toQt(form.txt_skill[at(k)]));
        area_names_[k - 1]->setEnabled(k <= form.areas);
        area_labels_[k - 1]->setEnabled(k <= form.areas);
        level_names_[k - 1]->setEnabled(k <= form.levels);
        level_labels_[k - 1]->setEnabled(k <= form.levels);
    }
    const int items = static_cast<int>(form.item_cells.size()) - 1;
    const std::vector<TosGrid> in_use = tos_grids(items);
    for (int g = 0; g < grid_count; ++g) {
        QTableWidget* grid = grids_[g];
        const bool used = at(g) < in_use.size();
        grid->setVisible(used);
        grid->setColumnCount(used ? in_use[at(g)].columns : 0);
        for (int c = 0; c < grid->columnCount(); ++c) {
            const auto item = at(in_use[at(g)].first_item + c);
            QTableWidgetItem* number = cellWith(form.item_cells[item]);
            setReadOnlyCell(*number);
            grid->setItem(item_row, c, number);
            grid->setItem(area_row, c,
                          cellWith(item < form.area_cells.size() ? form.area_cells[item] : ""));
            grid->setItem(level_row, c,
                          cellWith(item < form.level_cells.size() ? form.level_cells[item] : ""));
        }
    }
}

void TableOfSpecsDialog::pullForm() {
    TosForm form = controller_.state().tos_form;
    for (int k = 1; k <= max_tos_categories; ++k) {
        form.txt_content[at(k)] = fromQt(area_names_[k - 1]->text());
        form.txt_skill[at(k)] = fromQt(level_names_[k - 1]->text());
    }
    const std::vector<TosGrid> in_use = tos_grids(static_cast<int>(form.item_cells.size()) - 1);
    for (std::size_t g = 0; g < in_use.size() && g < grid_count; ++g) {
        QTableWidget& grid = *grids_[g];
        commitTypedCell(grid);
        for (int c = 0; c < grid.columnCount(); ++c) {
            const auto item = at(in_use[g].first_item + c);
            if (item < form.area_cells.size() && item < form.level_cells.size()) {
                form.area_cells[item] = cellText(grid, area_row, c);
                form.level_cells[item] = cellText(grid, level_row, c);
            }
        }
    }
    controller_.setTosForm(form);
}

// A command of the dialog: what was typed goes in first, the result comes back.
template <typename Step>
void TableOfSpecsDialog::change(Step step) {
    pullForm();
    step();
    pushForm();
}

// ---------------------------------------------------------------- commands

void TableOfSpecsDialog::run() {
    controller_.openTableOfSpecs();
    pushForm();
    showUntilAccepted();
}

void TableOfSpecsDialog::ok() {
    pullForm();
    const Outcome outcome = controller_.tosOk();
    pushForm();
    answerOk(outcome);
}

// Cancel switches the table of specifications off.
void TableOfSpecsDialog::cancelStep() {
    pullForm();  // the grids keep what was typed into them
    controller_.tosCancel();
    pushForm();
}

}  // namespace kor::ui
