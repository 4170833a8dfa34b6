// Runs the desktop program's test classes: all of them, or the one named as
// the first argument (the rest go to Qt Test).

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

#include "UiTestSupport.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KOR"));

    // The program writes kor.ini and exports into its working folder: the
    // tests run in a folder of their own.
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path())) {
        std::fprintf(stderr, "no temporary working folder\n");
        return 1;
    }

    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    int qt_argc = argc;
    char** qt_argv = argv;
    if (only != nullptr) {
        // Qt Test sees the program name and the arguments after the class name.
        qt_argv = argv + 1;
        qt_argv[0] = argv[0];
        qt_argc = argc - 1;
    }
    int failed = 0;
    bool found = false;
    for (const auto& entry : kor::ui::testing::registry()) {
        if (only != nullptr && std::strcmp(only, entry.name) != 0) {
            continue;
        }
        found = true;
        const auto test = entry.make();
        failed += QTest::qExec(test.get(), qt_argc, qt_argv);
    }
    if (!found) {
        std::fprintf(stderr, "no test class %s\n", only != nullptr ? only : "");
        return 1;
    }
    return failed == 0 ? 0 : 1;
}
