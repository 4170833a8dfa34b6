#pragma once
// The windows that only show fixed texts and close: the code help window of
// the data editor and the About, Acknowledgments and User Agreement windows
// of the main window. Each is shown modally.

#include <QDialog>

class QLabel;

namespace kor::ui {

// `TCodeForm`: the data, key and include codes.
class CodeHelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit CodeHelpWindow(QWidget* parent);
};

// `TAboutForm`: program name, version, contact and publication notes under
// a title panel that shows the main window's caption.
class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* parent);
    void setTitlePanel(const QString& caption);

  private:
    QLabel* title_panel_ = nullptr;
};

// `TAckForm`: a paragraph of thanks and the list of those thanked.
class AcknowledgmentsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AcknowledgmentsWindow(QWidget* parent);
};

// `TUserForm`: the terms of use and a "&Close" button.
class UserAgreementWindow : public QDialog {
    Q_OBJECT
  public:
    explicit UserAgreementWindow(QWidget* parent);
};

}  // namespace kor::ui
