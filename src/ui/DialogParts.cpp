#include "ui/DialogParts.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <algorithm>

#include "ui/Binding.h"
#include "ui/ModalWindows.h"

namespace kor::ui {

namespace {

// Room a panel and the window manager's title bar take from the free area:
// a laptop screen of 768 pixels leaves a window 700 of its own.
constexpr int frame_allowance = 68;

}  // namespace

QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* namedEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    setEditable(*edit, true);
    return edit;
}

QLabel* namedLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QRadioButton* namedRadio(QWidget* parent, const char* name, const QString& caption) {
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(QLatin1String(name));
    return radio;
}

void setEditable(QLineEdit& box, bool editable) {
    box.setReadOnly(!editable);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, editable ? editable_colour : read_only_colour);
    box.setPalette(palette);
}

void setReadOnlyCell(QTableWidgetItem& cell) {
    cell.setFlags(cell.flags() & ~Qt::ItemIsEditable);
    cell.setBackground(read_only_colour);
}

void setCompactGrid(QTableWidget& grid, int column_width) {
    grid.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.horizontalHeader()->setDefaultSectionSize(column_width);
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void commitTypedCell(QTableWidget& grid) {
    const QModelIndex current = grid.currentIndex();
    if (QWidget* editor = grid.indexWidget(current)) {
        grid.itemDelegate()->setModelData(editor, grid.model(), current);
    }
}

void orderTabs(QWidget& window, std::initializer_list<const char*> names) {
    QWidget* previous = nullptr;
    for (const char* name : names) {
        QWidget* next = window.findChild<QWidget*>(QLatin1String(name));
        if (next == nullptr) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}

QSize screenRoom(const QWidget& window) {
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    }
    return screen->availableGeometry().size() - QSize(0, frame_allowance);
}

void resizeWithinScreen(QWidget& window, QSize wanted) {
    window.resize(wanted.boundedTo(screenRoom(window)).expandedTo(window.minimumSizeHint()));
}

void fitToScreen(QWidget& window) {
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    resizeWithinScreen(window, window.sizeHint());
    // Over the window it was opened from, as far as the screen allows.
    const QWidget* over = QApplication::activeWindow();
    if (screen != nullptr && over != nullptr && over != &window) {
        QRect placed(QPoint(), window.size());
        placed.moveCenter(over->geometry().center());
        const QRect free_rect = screen->availableGeometry();
        placed.moveLeft(std::max(free_rect.left(),
                                 std::min(placed.left(), free_rect.right() - placed.width())));
        placed.moveTop(std::max(free_rect.top(),
                                std::min(placed.top(), free_rect.bottom() - placed.height())));
        window.move(placed.topLeft());
    }
}

// ---------------------------------------------------------------- RepeatedDialog

RepeatedDialog::RepeatedDialog(QWidget* parent) : QDialog(parent) {
    setModal(true);
}

bool RepeatedDialog::showUntilAccepted() {
    focus_on_show_.clear();
    return again_.show();
}

void RepeatedDialog::answerOk(const Outcome& outcome) {
    showOutcome(*this, outcome);
    focus_on_show_ = outcome.refused ? outcome.focus : std::string();
    again_.ok(outcome.refused);
}

void RepeatedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!sized_) {
        sized_ = true;
        fitToScreen(*this);
    }
    if (!focus_on_show_.empty()) {
        focusControl(*this, focus_on_show_);
        focus_on_show_.clear();
    }
}

void RepeatedDialog::reject() {
    cancelStep();
    QDialog::reject();
}

}  // namespace kor::ui
