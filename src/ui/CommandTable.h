#pragma once
// The menu commands of a window, kept by object name: each is a QAction of
// the window, in a menu or hidden (in no menu but in the window, so that its
// shortcut still works), found again by its name to enable or check it.

#include <QKeySequence>
#include <QString>
#include <map>
#include <string>

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
    QAction* at(const char* name) const;

  private:
    QWidget& window_;
    std::map<std::string, QAction*> commands_;
};

}  // namespace kor::ui
