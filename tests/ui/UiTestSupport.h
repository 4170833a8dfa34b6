#pragma once
// What the desktop program's tests share: the registry of test classes, the
// seams put into recording mode, and finding controls by object name.

#include <QAction>
#include <QDialog>
#include <QObject>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"
#include "ui/ModalWindows.h"

namespace kor::ui::testing {

struct Registered {
    const char* name;
    std::function<std::unique_ptr<QObject>()> make;
};

inline std::vector<Registered>& registry() {
    static std::vector<Registered> classes;
    return classes;
}

template <typename T>
struct Register {
    explicit Register(const char* name) {
        registry().push_back({name, [] { return std::make_unique<T>(); }});
    }
};

// Registers a test class under its own name.
#define KOR_UI_TEST(Class) \
    static const ::kor::ui::testing::Register<Class> kor_registered_##Class(#Class)

// Every seam records instead of waiting for a person, for the life of the object.
struct Recording {
    Recording() {
        MessageBoxes::startRecording();
        FileDialogs::startRecording();
        ModalWindows::startRecording();
    }
    ~Recording() {
        MessageBoxes::stopRecording();
        FileDialogs::stopRecording();
        ModalWindows::stopRecording();
    }
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;
};

// The child of `parent` with the object name `name`; fails the test when
// there is none.
template <typename T>
T* child(const QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (found == nullptr) {
        QTest::qFail(qPrintable(QStringLiteral("no control named %1").arg(QLatin1String(name))),
                     __FILE__, __LINE__);
    }
    return found;
}

inline QAction* action(const QObject& window, const char* name) {
    return child<QAction>(window, name);
}

inline QStringList messages() {
    return MessageBoxes::shown();
}

}  // namespace kor::ui::testing
