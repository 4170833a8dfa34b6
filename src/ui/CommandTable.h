#pragma once
// The menu commands of a window, kept by object name: each is a QAction of
// the window, in a menu or hidden (in no menu but in the window, so that its
// shortcut still works); one the window enables or checks later is found
// again by its MenuCommand.

#include <QKeySequence>
#include <QString>
#include <map>
#include <string>

#include "app/forms/MainCommands.h"

class QAction;
class QMenu;
class QWidget;

namespace kor::ui {

class CommandTable {
  public:
    explicit CommandTable(QWidget& window) : window_(window) {}

    // A command in `menu`; with no menu, one that belongs to no menu.
    QAction* add(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& key = {});
    QAction* addHidden(const char* name, const QString& caption, const QKeySequence& key = {});
    // A command the window changes after making it.
    QAction* at(MenuCommand command) const;

  private:
    QWidget& window_;
    std::map<std::string, QAction*> commands_;
};

}  // namespace kor::ui
