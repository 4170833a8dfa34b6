#include "ui/PrecisionWindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <iterator>

#include "app/ProgramState.h"
#include "core/settings/Choices.h"
#include "reports/PrecisionReport.h"
#include "ui/AppController.h"
#include "ui/DialogParts.h"
#include "ui/ReportView.h"

namespace kor::ui {

namespace {

QComboBox* choiceBox(QWidget* parent, const char* name, const QStringList& captions) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(captions);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

int levelIndex(double level) {
    for (int k = 0; k < static_cast<int>(std::size(ci_levels)); ++k) {
        if (ci_levels[k] == level) {
            return k;
        }
    }
    return 1;
}

}  // namespace

PrecisionWindow::PrecisionWindow(AppController& controller, QWidget* parent)
    : QMainWindow(parent), controller_(controller) {
    setObjectName(QStringLiteral("TPrecisionForm"));
    setWindowTitle(QStringLiteral("Precision and Missing Answers"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* choices = new QFormLayout;
    cmb_ci_level_ =
        choiceBox(central, "cmb_ci_level",
                  {QStringLiteral("90%"), QStringLiteral("95%"), QStringLiteral("99%")});
    cmb_bands_error_ = choiceBox(central, "cmb_bands_error",
                                 {QStringLiteral("One SEM for every score (as the reports)"),
                                  QStringLiteral("Conditional SEM at each score")});
    cmb_not_reached_ =
        choiceBox(central, "cmb_not_reached",
                  {QStringLiteral("Counted wrong (as the reports)"),
                   QStringLiteral("Left out of the item's difficulty and pt-biserial")});
    choices->addRow(QStringLiteral("KR20 &interval level:"), cmb_ci_level_);
    choices->addRow(QStringLiteral("&Bands of the web page, JSON and CSV:"), cmb_bands_error_);
    choices->addRow(QStringLiteral("Answers &not reached:"), cmb_not_reached_);
    layout->addLayout(choices);
    memo_precision_ = new ReportView(QStringLiteral("memo_precision"), central);
    layout->addWidget(memo_precision_, 1);
    QPushButton* close = namedButton(central, "btn_close", QStringLiteral("&Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    setCentralWidget(central);
    resize(640, 620);

    connect(close, &QPushButton::clicked, this, &QWidget::close);
    for (QComboBox* box : {cmb_ci_level_, cmb_bands_error_, cmb_not_reached_}) {
        connect(box, &QComboBox::currentIndexChanged, this, &PrecisionWindow::choose);
    }
    connect(&controller_, &AppController::analysed, this, [this] {
        if (isVisible()) {
            refresh();
        }
    });
}

void PrecisionWindow::showFigures() {
    refresh();
    show();
    raise();
    activateWindow();
}

void PrecisionWindow::showChoices() {
    const AnalysisSettings& s = controller_.state().settings;
    showing_ = true;
    cmb_ci_level_->setCurrentIndex(levelIndex(s.ci_level));
    cmb_bands_error_->setCurrentIndex(s.bands_error == BandsError::csem ? 1 : 0);
    cmb_not_reached_->setCurrentIndex(s.not_reached == NotReached::exclude ? 1 : 0);
    showing_ = false;
}

void PrecisionWindow::refresh() {
    showChoices();
    memo_precision_->setLines(precision_report_lines(controller_.state()));
}

void PrecisionWindow::choose() {
    if (showing_) {
        return;
    }
    const int level =
        std::clamp(cmb_ci_level_->currentIndex(), 0, static_cast<int>(std::size(ci_levels)) - 1);
    controller_.setCiLevel(ci_levels[level]);
    controller_.setBandsError(cmb_bands_error_->currentIndex() == 1 ? BandsError::csem
                                                                    : BandsError::sem);
    controller_.setNotReached(cmb_not_reached_->currentIndex() == 1 ? NotReached::exclude
                                                                    : NotReached::wrong);
    if (controller_.state().results.analysed) {
        emit analysisWanted();
    } else {
        refresh();
    }
}

}  // namespace kor::ui
