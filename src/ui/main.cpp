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

// The options and their help text, for the parser that prints the help and
// for the one that starts the program.
struct Options {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption example;
};

Options describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("KOR: item analysis of multiple-choice tests"));
    const QCommandLineOption example(
        QStringLiteral("example"),
        QStringLiteral("Start with the built-in example NAME analysed (%1).")
            .arg(kor::ui::toQt(kor::Application::example_names(", "))),
        QStringLiteral("NAME"));
    Options options{parser.addHelpOption(), parser.addVersionOption(), example};
    parser.addOption(example);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("An input file (.kor) to open in the data editor."),
                                 QStringLiteral("[FILE]"));
    return options;
}

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("KOR"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KOR_VERSION_TEXT));
}

// --help and --version only print: they are answered without a window
// system, so that they work without a display (the manual page is made from
// --help while building). The parser prints the text and ends the program.
// A command line it cannot read (one holding the window system's own
// options, say) is left to the desktop program's parser.
void answerHelpOrVersionWithoutDisplay(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QCommandLineParser parser;
    const Options options = describeOptions(parser);
    if (!parser.parse(arguments)) {
        return;
    }
    if (parser.isSet(options.help) || parser.isSet(QStringLiteral("help-all")) ||
        parser.isSet(options.version)) {
        QCoreApplication textOnly(argc, argv);
        nameApplication();
        parser.process(textOnly);
    }
}

}  // namespace

int main(int argc, char** argv) {
    answerHelpOrVersionWithoutDisplay(argc, argv);
    QApplication application(argc, argv);
    nameApplication();

    QCommandLineParser parser;
    const Options options = describeOptions(parser);
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1 || (!files.isEmpty() && parser.isSet(options.example))) {
        std::fprintf(stderr, "kor-gui: give one input file or one example\n");
        return 2;
    }

    const std::string name = kor::ui::fromQt(parser.value(options.example));
    if (parser.isSet(options.example) && !kor::Application::is_example(name)) {
        std::fprintf(stderr, "kor-gui: there is no example called \"%s\" (examples: %s)\n",
                     name.c_str(), kor::Application::example_names(", ").c_str());
        return 2;
    }

    kor::ui::AppController controller;
    controller.setDecimalSeparator(QLocale::system().decimalPoint().front());
    kor::ui::MainWindow window(controller);
    window.show();
    if (parser.isSet(options.example)) {
        window.runExample(name, true);
    } else if (!files.isEmpty()) {
        window.openInputFile(files.first());
    }
    return QApplication::exec();
}
