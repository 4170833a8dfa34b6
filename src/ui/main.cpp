// kor-gui: the desktop program.

#include <QApplication>
#include <QMainWindow>

#include "core/VariablesUnit.h"
#include "ui/AppController.h"
#include "ui/Binding.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KOR"));
    kor::ui::AppController controller;
    controller.setDecimalSeparator(QLocale::system().decimalPoint().front());
    QMainWindow window;
    window.setObjectName(QStringLiteral("TMapForm"));
    window.setWindowTitle(kor::ui::toQt(kor::program_caption));
    window.show();
    return QApplication::exec();
}
