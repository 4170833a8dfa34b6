#pragma once
// The data editor `TEditForm`: the modal window in which the data set is
// typed, pasted, opened or generated. Its boxes show the editor texts of the
// program state; before each command the window copies what was typed into
// the state, and afterwards shows the state's texts, rulers and menu states.
// DataEditorWindow.cpp builds the boxes and leaves the editor;
// DataEditorMenus.cpp builds the menus and runs their commands.

#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/forms/EditorModel.h"
#include "app/forms/MainCommands.h"
#include "core/data/InputFile.h"
#include "core/data/Loader.h"
#include "ui/CommandTable.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

class QVBoxLayout;

namespace kor::ui {

class AltAnswersDialog;
class AppController;
class CodeHelpWindow;
class GeneratorDialog;
class PartialCreditDialog;
class TableOfSpecsDialog;
class ImportChooserWindow;
class TextInsertHelpWindow;

class DataEditorWindow : public QDialog {
    Q_OBJECT
  public:
    DataEditorWindow(AppController& controller, TextInsertHelpWindow& text_help, QWidget* parent);
    ~DataEditorWindow() override;

    // What the editor does when it opens, by the start mode; the main window
    // calls it itself when it leaves the editor without showing it.
    void startup();
    // The editor's reader of `layout` runs when it next opens (the old-file
    // chooser asked for it while the editor was closed).
    void openOnStartup(InputLayout layout) { open_on_startup_ = layout; }
    // The current-version file `path` opens when the editor next opens, as
    // "Open KOR File" would open it from its dialog (`kor-gui FILE.kor`).
    void openOnStartup(const QString& path) { open_path_on_startup_ = path; }

    // "Close && Analyze", OK, "Cancel" and "&Close (Cancel)".
    void closeAndAnalyze();
    void closeOk();
    void cancel();
    void closeOnly();

    // "&Save KOR File", also the main window's "Save KOR Input File".
    void saveKorFile();
    ImportChooserWindow& importChooser() { return *import_chooser_; }

  signals:
    // The editor accepted the data with "Close && Analyze" or OK.
    void dataAccepted(const kor::EditorCloseResult& result);
    // "Cancel": the main window selects editing and forgets the save command.
    void cancelled();
    // An example of the editor selected editing in the main window.
    void editModeChosen();
    // A save wrote files; `text` says which, for a status bar.
    void wroteFiles(const QString& text);

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    // DataEditorWindow.cpp
    void buildBoxes();
    void buildHeading(QVBoxLayout& layout);
    void buildCounts(QVBoxLayout& layout);
    void buildKeyColumns(QVBoxLayout& layout);
    void buildDataColumn(QVBoxLayout& layout);
    QLineEdit* addEdit(const char* name, bool fixed_pitch);
    QLabel* addRuler(const char* name);
    QWidget* buildButtons();
    void connectTypingChecks();
    void runStartAction(int action);
    void leave(EditorExit how);
    void pullTexts();
    void pushTexts();
    void showRulers();
    void showResult(const Outcome& outcome);
    void showWritten(const Outcome& outcome);
    void alignRulers();
    static Outcome withoutKeyWarnings(const EditorCloseResult& result);
    bool analyseDespite(const std::vector<KeyWarning>& warnings);
    // Before a command replaces the data set: true when nothing unsaved is
    // lost or the user agrees to lose it.
    bool mayDiscardChanges();

    // DataEditorMenus.cpp
    void buildMenus(QMenuBar& bar);
    void buildFileMenu(QMenuBar& bar);
    void buildEditMenu(QMenuBar& bar);
    void buildDataMenu(QMenuBar& bar);
    void buildConvertMenu(QMenuBar& bar);
    void buildOptionsMenu(QMenuBar& bar);
    void buildHelpMenu(QMenuBar& bar);
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption,
                        const QKeySequence& key = {});
    QAction* addHiddenCommand(const char* name, const QString& caption,
                              const QKeySequence& key = {});
    QAction* command(MenuCommand name) const;
    void refreshMenus();
    void newDataSet();
    void openKorFile(InputLayout layout);
    void openKorPath(const QString& path, InputLayout layout);
    void insertText(bool with_key);
    void importSpreadsheet();
    void saveDataOnly();
    void exportCommaDelimited(bool zero_one);
    void convert(int conversion);
    void toggleRightWrong();
    void importTestscore();
    void countLines();
    void showExampleData();
    void hiddenExample();
    void generateData();
    void setTableOfSpecifications();
    void setAlternativeAnswers();
    void changePartialCredit();

    AppController& controller_;
    TextInsertHelpWindow& text_help_;
    ImportChooserWindow* import_chooser_ = nullptr;
    std::unique_ptr<CodeHelpWindow>
        code_help_;  // no parent object: its BitBtn1 is not the editor's
    // The editor's dialogs have no parent object: their controls' names
    // (BitBtn1, File1, ...) repeat the editor's own, and a search by name
    // through the editor must not find them.
    std::unique_ptr<AltAnswersDialog> alt_dialog_;
    std::unique_ptr<PartialCreditDialog> pc_dialog_;
    std::unique_ptr<TableOfSpecsDialog> tos_dialog_;
    std::unique_ptr<GeneratorDialog> generator_dialog_;
    CommandTable commands_{*this};
    std::optional<InputLayout> open_on_startup_;
    QString open_path_on_startup_;
    std::string focus_on_show_;              // the box of the refusal that closed the editor
    std::optional<int> key_column_on_show_;  // the key column to select then
    bool memo_edited_ = false;               // the data window was typed into since the last copy
    bool showing_ = false;                   // the editor was shown and not yet closed

    QLineEdit* txt_title_ = nullptr;
    QLineEdit* txt_comments_ = nullptr;
    QLineEdit* txt_cases_ = nullptr;
    QLineEdit* txt_items_ = nullptr;
    QLineEdit* txt_label_length_ = nullptr;
    QLineEdit* txt_missing_data_ = nullptr;
    QLineEdit* txt_answer_key_ = nullptr;
    QLineEdit* txt_options_ = nullptr;
    QLineEdit* txt_include_ = nullptr;
    QPlainTextEdit* memo_data_ = nullptr;
    QLabel* lbl_key_scale1_ = nullptr;
    QLabel* lbl_key_scale2_ = nullptr;
    QLabel* lbl_key_scale3_ = nullptr;
    QLabel* lbl_key_scale4_ = nullptr;
    QLabel* lbl_scale1_ = nullptr;
    QLabel* lbl_scale2_ = nullptr;
    QStatusBar* status_bar_ = nullptr;
};

}  // namespace kor::ui
