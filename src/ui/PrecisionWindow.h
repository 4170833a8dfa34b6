#pragma once
// The window "Precision and Missing Answers" (Analysis menu): how sure the
// figures of the last analysis are (Feldt's interval of KR20, the SEM, the
// conditional standard error at every score) and the answers each item lost,
// skipped or not reached. Its three choices set what the web page, the JSON
// and the CSV results give; the fixed-width reports keep theirs. The text
// comes from the reports' writer and follows every analysis while the
// window is open.

#include <QMainWindow>

class QComboBox;

namespace kor::ui {

class AppController;
class ReportView;

class PrecisionWindow : public QMainWindow {
    Q_OBJECT
  public:
    PrecisionWindow(AppController& controller, QWidget* parent);

    // Shows the window with the figures of the state as it is.
    void showFigures();

  signals:
    // A choice changed the settings of results that exist: they should be
    // analysed again.
    void analysisWanted();

  private:
    void refresh();
    void showChoices();
    void choose();

    AppController& controller_;
    QComboBox* cmb_ci_level_ = nullptr;
    QComboBox* cmb_bands_error_ = nullptr;
    QComboBox* cmb_not_reached_ = nullptr;
    ReportView* memo_precision_ = nullptr;
    bool showing_ = false;  // the choices are being set from the state, not by the user
};

}  // namespace kor::ui
