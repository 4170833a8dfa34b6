#pragma once
// `TImportForm`: asks which version of the program wrote an input file; its
// OK starts the reader of that version in the data editor. Shown without
// blocking the window that opened it.

#include <QDialog>
#include <map>

#include "core/data/InputFile.h"
#include "core/data/LegacyInput.h"

class QRadioButton;

namespace kor::ui {

class ImportChooserWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ImportChooserWindow(QWidget* parent);

  signals:
    // OK with a version that has a reader.
    void layoutChosen(kor::InputLayout layout);

  private:
    void ok();

    std::map<ImportChoice, QRadioButton*> choices_;
};

}  // namespace kor::ui
