// kor-gui: the desktop program. `kor-gui FILE.kor` starts with the input
// file opened in the data editor, as "Open KOR file" opens it (the desktop
// entry starts it so for a double-clicked file). `kor-gui --example NAME`
// starts with a built-in example loaded and analysed, as its Examples menu
// item and "Close && Analyze" leave it.

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <cstdio>

#include "app/Application.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/MainWindow.h"

namespace {

QString exampleNames() {
    QStringList names;
    for (const kor::Application::ExampleEntry& example : kor::Application::examples()) {
        names.append(kor::ui::toQt(example.name));
    }
    return names.join(QStringLiteral(", "));
}

bool knownExample(const std::string& name) {
    for (const kor::Application::ExampleEntry& entry : kor::Application::examples()) {
        if (entry.name == name) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KOR"));
    QApplication::setApplicationVersion(QStringLiteral(KOR_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("KOR: item analysis of multiple-choice tests"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption example(
        QStringLiteral("example"),
        QStringLiteral("Start with the built-in example NAME analysed (%1).").arg(exampleNames()),
        QStringLiteral("NAME"));
    parser.addOption(example);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("An input file (.kor) to open in the data editor."),
                                 QStringLiteral("[FILE]"));
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1 || (!files.isEmpty() && parser.isSet(example))) {
        std::fprintf(stderr, "kor-gui: give one input file or one example\n");
        return 2;
    }

    const std::string name = kor::ui::fromQt(parser.value(example));
    if (parser.isSet(example) && !knownExample(name)) {
        std::fprintf(stderr, "kor-gui: there is no example called \"%s\" (examples: %s)\n",
                     name.c_str(), qPrintable(exampleNames()));
        return 2;
    }

    kor::ui::AppController controller;
    controller.setDecimalSeparator(QLocale::system().decimalPoint().front());
    kor::ui::MainWindow window(controller);
    window.show();
    if (parser.isSet(example)) {
        window.runExample(name, true);
    } else if (!files.isEmpty()) {
        window.openInputFile(files.first());
    }
    return QApplication::exec();
}
