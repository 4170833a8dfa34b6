#pragma once
// The preview of a spreadsheet (CSV) import: the first rows of the file as a
// table, and every choice the import detected (delimiter, header row, id and
// item columns, version column and versions map, group column, key row or
// typed key,
// options, short rows) shown in a control the user can change. "Preview"
// plans the import again with the changed choices; OK fills the data
// editor's boxes from the plan, for the user to check before the data are
// analysed. The window holds no rules of its own: the core plans the import
// and words every refusal and warning.

#include <QDialog>
#include <QString>
#include <optional>

#include "core/data/CsvImport.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace kor::ui {

class AppController;

class CsvImportWindow : public QDialog {
    Q_OBJECT
  public:
    CsvImportWindow(AppController& controller, const QString& path, QWidget* parent);

    // "Import Spreadsheet (CSV) File...": asks for the file, then previews
    // it; the accepted plan has filled the editor's boxes. Nothing when the
    // user cancelled either.
    static std::optional<CsvPlan> importFile(AppController& controller, QWidget* parent);

    // The plan the controls show now.
    const CsvPlan& plan() const { return plan_; }

    // The rows of the file the table shows at most.
    static constexpr int preview_rows = 20;

  private:
    void buildControls();
    QHBoxLayout* buildChoices();
    QHBoxLayout* buildVersionsMapChoice();
    void chooseVersionsMap();
    QHBoxLayout* buildButtons();
    void replan();
    void showPlan();
    void showTable();
    void showRefusedRow(int table_row);
    void showChoices();
    void takeChoices();
    void ok();

    AppController& controller_;
    QString path_;
    CsvPlan plan_;
    CsvOptions given_;
    // Which choices the user changed: only those are given to the import,
    // the rest it detects again.
    bool delimiter_changed_ = false;
    bool header_changed_ = false;
    // The versions map chosen through "Versions Map..."; empty for none.
    QString versions_map_path_;

    QTableWidget* grd_rows_ = nullptr;
    QComboBox* cmb_delimiter_ = nullptr;
    QCheckBox* chk_header_ = nullptr;
    QLineEdit* txt_ids_ = nullptr;
    QLineEdit* txt_items_ = nullptr;
    QLineEdit* txt_version_column_ = nullptr;
    QLineEdit* txt_group_column_ = nullptr;
    QPushButton* btn_versions_map_ = nullptr;
    QLabel* lbl_versions_map_ = nullptr;
    QLineEdit* txt_key_row_ = nullptr;
    QLineEdit* txt_key_ = nullptr;
    QLineEdit* txt_options_ = nullptr;
    QComboBox* cmb_short_rows_ = nullptr;
    QPlainTextEdit* memo_summary_ = nullptr;
};

}  // namespace kor::ui
