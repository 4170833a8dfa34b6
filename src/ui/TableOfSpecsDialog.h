#pragma once
// The table of specifications dialog `TTableForm` ("Table of
// Specifications") of the data editor: up to six content areas and six
// cognitive levels with their names, and each item's area and level in up to
// three grids of 34 items.

#include "app/forms/TosForm.h"
#include "ui/DialogParts.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace kor::ui {

class AppController;

class TableOfSpecsDialog : public RepeatedDialog {
    Q_OBJECT
  public:
    TableOfSpecsDialog(AppController& controller, QWidget* parent);

    // "Set Table of Specifications...": the grids for the editor's item
    // count, shown until OK finds no error or the dialog is cancelled.
    void run();

  protected:
    void cancelStep() override;

  private:
    QWidget* buildCounts(const QString& caption, const char* radio_prefix, QRadioButton** radios,
                         bool areas);
    QWidget* buildNames(const QString& caption, const char* edit_prefix, const char* label_prefix,
                        const char* caption_text, QLineEdit** edits, QLabel** labels);
    QWidget* buildGrids();
    void buildMenus();
    template <typename Step>
    void change(Step step);
    void pushForm();
    void pullForm();
    void ok();

    AppController& controller_;
    QRadioButton* area_radios_[max_tos_categories + 1] = {};
    QRadioButton* level_radios_[max_tos_categories + 1] = {};
    QLineEdit* area_names_[max_tos_categories] = {};
    QLineEdit* level_names_[max_tos_categories] = {};
    QLabel* area_labels_[max_tos_categories] = {};
    QLabel* level_labels_[max_tos_categories] = {};
    QTableWidget* grids_[3] = {};
};

}  // namespace kor::ui
