#include "ui/GeneratorDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "app/forms/GenForm.h"
#include "ui/AppController.h"
#include "ui/Binding.h"

namespace kor::ui {

namespace {

constexpr GenOptionChoice option_choices[] = {GenOptionChoice::two, GenOptionChoice::three,
                                              GenOptionChoice::four, GenOptionChoice::five,
                                              GenOptionChoice::mix};
constexpr GenDifficulty difficulties[] = {
    GenDifficulty::easiest, GenDifficulty::very_easy, GenDifficulty::easy,   GenDifficulty::medium,
    GenDifficulty::hard,    GenDifficulty::very_hard, GenDifficulty::hardest};

}  // namespace

GeneratorDialog::GeneratorDialog(AppController& controller, QWidget* parent)
    : RepeatedDialog(parent), controller_(controller) {
    setObjectName(QStringLiteral("TGenForm"));
    setWindowTitle(QLatin1String(gen_caption));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(buildCounts());
    top->addWidget(buildOptions());
    layout->addLayout(top);
    layout->addWidget(buildDifficulty());
    layout->addWidget(buildCoding());
    lbl_largen_ = namedLabel(this, "lbl_largen", QLatin1String(gen_large_note));
    lbl_largen_->setWordWrap(true);
    layout->addWidget(lbl_largen_);

    auto* buttons = new QHBoxLayout;
    QPushButton* generate_button = namedButton(this, "btn_generate", QStringLiteral("Generate"));
    generate_button->setDefault(true);
    QPushButton* cancel = namedButton(this, "btn_cancel", QStringLiteral("Cancel"));
    buttons->addStretch();
    buttons->addWidget(generate_button);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(generate_button, &QPushButton::clicked, this, &GeneratorDialog::generate);
    connect(cancel, &QPushButton::clicked, this, &GeneratorDialog::reject);

    orderTabs(*this, {gen_control::num_cases,
                      gen_control::num_items,
                      gen_control::seed,
                      "Button1",
                      "rdo_2",
                      "rdo_3",
                      "rdo_4",
                      "rdo_5",
                      "rdo_mix",
                      "rdo_easiest",
                      "rdo_veryeasy",
                      "rdo_easy",
                      "rdo_medium",
                      "rdo_hard",
                      "rdo_veryhard",
                      "rdo_hardest",
                      "gen_num",
                      "gen_let",
                      "btn_generate",
                      "btn_cancel"});
    pushForm();
}

QWidget* GeneratorDialog::buildCounts() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, const char*> boxes[] = {
        {gen_control::num_cases, "Number of Cases to Generate (max 9999):"},
        {gen_control::num_items, "Number of Items on Test (max 100):"},
        {gen_control::seed, "Seed for Data Generation:"},
    };
    int row = 0;
    for (const auto& [name, caption] : boxes) {
        QLineEdit* edit = namedEdit(panel, name);
        auto* label = new QLabel(QLatin1String(caption), panel);
        label->setBuddy(edit);
        grid->addWidget(label, row++, 0, 1, 2);
        grid->addWidget(edit, row++, 0);
    }
    QPushButton* new_seed = namedButton(panel, "Button1", QStringLiteral("Set a New Random Seed"));
    grid->addWidget(new_seed, row - 1, 1);
    connect(new_seed, &QPushButton::clicked, this, [this] {
        pullForm();
        controller_.newGeneratorSeed();
        pushForm();
    });
    grid->setRowStretch(row, 1);
    return panel;
}

QWidget* GeneratorDialog::buildOptions() {
    auto* box = new QGroupBox(QStringLiteral("# of Options per Item:"), this);
    auto* column = new QVBoxLayout(box);
    for (GenOptionChoice choice : option_choices) {
        const GenOptionInfo& info = option_info(choice);
        QRadioButton* radio = namedRadio(box, info.control, QLatin1String(info.caption));
        option_radios_[static_cast<int>(choice)] = radio;
        column->addWidget(radio);
    }
    return box;
}

QWidget* GeneratorDialog::buildDifficulty() {
    auto* box = new QGroupBox(QStringLiteral("Difficulty of Exam:"), this);
    auto* column = new QVBoxLayout(box);
    for (GenDifficulty difficulty : difficulties) {
        const GenDifficultyInfo& info = difficulty_info(difficulty);
        QRadioButton* radio = namedRadio(box, info.control, QLatin1String(info.caption));
        difficulty_radios_[static_cast<int>(difficulty)] = radio;
        column->addWidget(radio);
    }
    return box;
}

QWidget* GeneratorDialog::buildCoding() {
    auto* box = new QGroupBox(this);
    auto* column = new QVBoxLayout(box);
    gen_num_ =
        namedRadio(box, "gen_num", QStringLiteral("Generate Data as Numbers (1,2,3,4,5, etc.)"));
    gen_let_ =
        namedRadio(box, "gen_let", QStringLiteral("Generate Data as Letters (A,B,C,D,E,etc.)"));
    column->addWidget(gen_num_);
    column->addWidget(gen_let_);
    return box;
}

void GeneratorDialog::pushForm() {
    const GenForm& form = controller_.state().gen_form;
    putTexts(*this, {{gen_control::num_cases, form.edit_num_cases},
                     {gen_control::num_items, form.edit_num_items},
                     {gen_control::seed, form.edit_seed}});
    option_radios_[static_cast<int>(form.options)]->setChecked(true);
    difficulty_radios_[static_cast<int>(form.difficulty)]->setChecked(true);
    (form.gen_let ? gen_let_ : gen_num_)->setChecked(true);
    lbl_largen_->setVisible(form.lbl_largen_visible);
}

void GeneratorDialog::pullForm() {
    GenForm form = controller_.state().gen_form;
    form.edit_num_cases = textOf(*this, gen_control::num_cases);
    form.edit_num_items = textOf(*this, gen_control::num_items);
    form.edit_seed = textOf(*this, gen_control::seed);
    for (GenOptionChoice choice : option_choices) {
        if (option_radios_[static_cast<int>(choice)]->isChecked()) {
            form.options = choice;
        }
    }
    for (GenDifficulty difficulty : difficulties) {
        if (difficulty_radios_[static_cast<int>(difficulty)]->isChecked()) {
            form.difficulty = difficulty;
        }
    }
    form.gen_let = gen_let_->isChecked();
    controller_.setGeneratorForm(form);
}

void GeneratorDialog::run() {
    controller_.startGenerator();
    pushForm();
    focusControl(*this, gen_control::num_cases);
    showUntilAccepted();
}

// A refusal leaves the editor as it was and shows the dialog again.
void GeneratorDialog::generate() {
    pullForm();
    const Outcome outcome = controller_.generate();
    pushForm();  // the seed as it was used
    answerOk(outcome);
}

// Nothing is generated; the boxes keep what they show for the next call.
void GeneratorDialog::cancelStep() {
    pullForm();
    controller_.cancelGenerator();
}

}  // namespace kor::ui
