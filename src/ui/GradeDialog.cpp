#include "ui/GradeDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "app/forms/GradingScaleFile.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/FileDialogs.h"
#include "ui/ReportView.h"

namespace kor::ui {

namespace {

constexpr int percent_rows = max_grade_categories - 1;

const char* const four_characters_note =
    "You can change the percentages for any Grading Scheme, but you can only change the labels for "
    "the User "
    "Defined scheme (note that only the first 4 characters of your User-defined Grading Category "
    "names will "
    "print in the output).";

QString rowName(const char* prefix, int k) {
    return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(k, 2, 10, QLatin1Char('0'));
}

// Wide enough for `characters` characters of the box's own font.
void setCharacterWidth(QLineEdit& box, int characters) {
    box.setFixedWidth(box.fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('W'))) +
                      12);
}

}  // namespace

GradeDialog::GradeDialog(AppController& controller, QWidget* parent)
    : RepeatedDialog(parent), controller_(controller) {
    setObjectName(QStringLiteral("TGradeForm"));
    setWindowTitle(QStringLiteral("Grade Percentages"));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildSchemes(), 1);
    columns->addSpacing(12);
    columns->addWidget(buildRows());
    layout->addLayout(columns);
    layout->addWidget(buildButtons());
    orderTabs(*this, {"rdo_grade2", "rdo_grade5", "rdo_grade12", "rdo_user", "txt_num_cats",
                      "rdo_grade0"});
    QWidget* previous = findChild<QWidget*>(QStringLiteral("rdo_grade0"));
    for (int k = 1; k <= max_grade_categories; ++k) {
        QWidget::setTabOrder(previous, labels_[k - 1]);
        previous = labels_[k - 1];
        if (k < max_grade_categories) {
            QWidget::setTabOrder(previous, percents_[k - 1]);
            previous = percents_[k - 1];
        }
    }
    QWidget::setTabOrder(previous, findChild<QWidget*>(QStringLiteral("btn_grade_OK")));
    orderTabs(*this, {"btn_grade_OK", "btn_cancel", "btn_defaults", "btn_save_ini", "Button2",
                      "btn_read_ini", "Button1"});
    pushForm();
}

QWidget* GradeDialog::buildSchemes() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(namedLabel(column, "lbl_choose",
                                 QStringLiteral("Choose the number of Grading Categories:")));
    const std::pair<GradeScheme, std::pair<const char*, const char*>> schemes[] = {
        {GradeScheme::two, {"rdo_grade2", "  2 Categories (Pass, Fail)"}},
        {GradeScheme::five, {"rdo_grade5", "  5 Categories (A, B, C, D, F)"}},
        {GradeScheme::twelve,
         {"rdo_grade12", "12 Categories (A, A-, B+, B, B-, C+, C, C-, D+, D, D-, F)"}},
        {GradeScheme::user, {"rdo_user", "User Defined:"}},
        {GradeScheme::none, {"rdo_grade0", "No Grading Categories"}},
    };
    for (const auto& [scheme, control] : schemes) {
        QRadioButton* radio = namedRadio(column, control.first, QLatin1String(control.second));
        schemes_[static_cast<int>(scheme)] = radio;
        connect(radio, &QRadioButton::clicked, this,
                [this, chosen = scheme] { chooseScheme(chosen); });
        if (scheme != GradeScheme::user) {
            layout->addWidget(radio);
            continue;
        }
        // The count box stands beside "User Defined:".
        auto* row = new QHBoxLayout;
        row->addWidget(radio);
        auto* count_label =
            namedLabel(column, "lbl_num_cats", QStringLiteral("Number of Categories (1<N<14)):"));
        txt_num_cats_ = namedEdit(column, grade_control::num_cats);
        setCharacterWidth(*txt_num_cats_, 3);
        count_label->setBuddy(txt_num_cats_);
        lbl_num_cats_ = count_label;
        connect(txt_num_cats_, &QLineEdit::textEdited, this, &GradeDialog::countEdited);
        row->addWidget(count_label);
        row->addWidget(txt_num_cats_);
        row->addStretch();
        layout->addLayout(row);
    }
    auto* note = namedLabel(column, "lbl_4_text", QLatin1String(four_characters_note));
    note->setWordWrap(true);
    layout->addSpacing(12);
    layout->addWidget(note);
    layout->addStretch();
    return column;
}

QWidget* GradeDialog::buildRows() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* sentence = namedLabel(panel, "lbl_set", QString());
    sentence->setMinimumWidth(
        sentence->fontMetrics().horizontalAdvance(QLatin1String(grade_sentence_user)));
    lbl_set_ = sentence;
    layout->addWidget(sentence);
    auto* grid = new QGridLayout;
    heads_[0] = namedLabel(panel, "lbl_grade", QStringLiteral("Grade"));
    heads_[1] = namedLabel(panel, "lbl_percent", QStringLiteral("%"));
    grid->addWidget(heads_[0], 0, 0);
    grid->addWidget(heads_[1], 0, 1);
    for (int k = 1; k <= max_grade_categories; ++k) {
        QLineEdit* label = namedEdit(panel, qPrintable(rowName("lbl_grade", k)));
        label->setFont(reportFont());
        setCharacterWidth(*label, 7);
        labels_[k - 1] = label;
        grid->addWidget(label, k, 0);
        if (k <= percent_rows) {
            QLineEdit* percent = namedEdit(panel, qPrintable(rowName("txt_grade", k)));
            percent->setFont(reportFont());
            setCharacterWidth(*percent, 6);
            percents_[k - 1] = percent;
            grid->addWidget(percent, k, 1);
        }
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addStretch();
    return panel;
}

QWidget* GradeDialog::buildButtons() {
    auto* panel = new QWidget(this);
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* ok_button = namedButton(panel, "btn_grade_OK", QStringLiteral("OK"));
    ok_button->setDefault(true);
    QPushButton* cancel = namedButton(panel, "btn_cancel", QStringLiteral("Cancel"));
    QPushButton* defaults =
        namedButton(panel, "btn_defaults", QStringLiteral("Use Program Defaults"));
    QPushButton* save_defaults =
        namedButton(panel, "btn_save_ini", QStringLiteral("Save as Defaults"));
    QPushButton* save_file = namedButton(panel, "Button2", QStringLiteral("Save INI File"));
    QPushButton* read_file =
        namedButton(panel, "btn_read_ini", QStringLiteral("Read Saved INI File"));
    QPushButton* delete_defaults =
        namedButton(panel, "Button1", QStringLiteral("Delete Saved Defaults"));
    layout->addWidget(ok_button, 0, 0);
    layout->addWidget(cancel, 0, 1);
    layout->addWidget(defaults, 0, 2);
    layout->addWidget(save_defaults, 1, 0);
    layout->addWidget(save_file, 1, 1);
    layout->addWidget(read_file, 1, 2);
    layout->addWidget(delete_defaults, 1, 3);
    connect(ok_button, &QPushButton::clicked, this, &GradeDialog::ok);
    connect(cancel, &QPushButton::clicked, this, &GradeDialog::reject);
    connect(defaults, &QPushButton::clicked, this, &GradeDialog::useProgramDefaults);
    connect(save_defaults, &QPushButton::clicked, this, &GradeDialog::saveAsDefaults);
    connect(save_file, &QPushButton::clicked, this, &GradeDialog::saveIniFile);
    connect(read_file, &QPushButton::clicked, this, &GradeDialog::readIniFile);
    connect(delete_defaults, &QPushButton::clicked, this,
            [this] { controller_.deleteSavedScale(); });
    return panel;
}

// ---------------------------------------------------------------- the form

void GradeDialog::pullTexts() {
    GradeForm form = controller_.state().grade_form;
    form.txt_num_cats = fromQt(txt_num_cats_->text());
    for (int k = 1; k <= max_grade_categories; ++k) {
        form.lbl_grade[static_cast<std::size_t>(k)] = fromQt(labels_[k - 1]->text());
    }
    for (int k = 1; k <= percent_rows; ++k) {
        form.txt_grade[static_cast<std::size_t>(k)] = fromQt(percents_[k - 1]->text());
    }
    controller_.setGradeForm(form);
}

void GradeDialog::pushForm() {
    const GradeForm& form = controller_.state().grade_form;
    const bool user = form.scheme == GradeScheme::user;
    for (int scheme = 0; scheme < 5; ++scheme) {
        const QSignalBlocker quiet(schemes_[scheme]);
        schemes_[scheme]->setChecked(scheme == static_cast<int>(form.scheme));
    }
    txt_num_cats_->setText(toQt(form.txt_num_cats));
    txt_num_cats_->setVisible(user);
    lbl_num_cats_->setVisible(user);
    lbl_set_->setText(toQt(form.lbl_set));
    for (QWidget* head : heads_) {
        head->setVisible(form.rows_shown > 0);
    }
    for (int k = 1; k <= max_grade_categories; ++k) {
        QLineEdit* label = labels_[k - 1];
        label->setText(toQt(form.lbl_grade[static_cast<std::size_t>(k)]));
        label->setVisible(k <= form.rows_shown);
        setEditable(*label, user);
    }
    for (int k = 1; k <= percent_rows; ++k) {
        QLineEdit* percent = percents_[k - 1];
        percent->setText(toQt(form.txt_grade[static_cast<std::size_t>(k)]));
        percent->setVisible(k < form.rows_shown);
    }
}

// ---------------------------------------------------------------- commands

void GradeDialog::run() {
    const Outcome loaded = controller_.openGradeDialog();
    pushForm();
    showOutcome(*this, loaded);
    showUntilAccepted();
}

void GradeDialog::chooseScheme(GradeScheme scheme) {
    pullTexts();
    const Outcome outcome = controller_.chooseGradeScheme(scheme);
    pushForm();
    showOutcome(*this, outcome);
}

// Every change of the count box, as it is typed.
void GradeDialog::countEdited(const QString& text) {
    pullTexts();
    const Outcome outcome = controller_.gradeCountChanged(fromQt(text));
    pushForm();
    showOutcome(*this, outcome);
}

void GradeDialog::useProgramDefaults() {
    pullTexts();
    controller_.useGradeProgramDefaults();
    pushForm();
}

void GradeDialog::ok() {
    pullTexts();
    answerOk(controller_.gradeOk());
}

void GradeDialog::saveScale(const std::string& path) {
    pullTexts();
    showOutcome(*this, controller_.saveScaleFile(path));
}

void GradeDialog::saveAsDefaults() {
    saveScale(default_scale_file);
}

void GradeDialog::saveIniFile() {
    const QString path = FileDialogs::saveFile(
        this, {QStringLiteral("INI files (*.INI)|*.ini"), QStringLiteral("ini"), {}});
    if (!path.isEmpty()) {
        saveScale(fromQt(path));
    }
}

void GradeDialog::readIniFile() {
    const QString path = FileDialogs::openFile(
        this,
        {QStringLiteral("INI files (*.ini)|*.ini"), QStringLiteral("ini"), QStringLiteral("KOR")});
    if (path.isEmpty()) {
        return;
    }
    pullTexts();
    const Outcome outcome = controller_.readScaleFile(fromQt(path));
    pushForm();
    showOutcome(*this, outcome);
}

}  // namespace kor::ui
