#pragma once
// The wait cursor over every window of the program while a step that may
// take a noticeable time (loading or analysing a large data set) runs, and
// the cursor as it was afterwards, however the step ends.

#include <QCursor>
#include <QGuiApplication>

namespace kor::ui {

class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace kor::ui
