#include "ui/CommandTable.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace kor::ui {

QAction* CommandTable::add(QMenu* menu, const char* name, const QString& caption,
                           const QKeySequence& key) {
    auto* action = new QAction(caption, &window_);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    if (menu != nullptr) {
        menu->addAction(action);
    }
    commands_[name] = action;
    return action;
}

QAction* CommandTable::addHidden(const char* name, const QString& caption,
                                 const QKeySequence& key) {
    QAction* action = add(nullptr, name, caption, key);
    window_.addAction(action);
    return action;
}

QAction* CommandTable::at(MenuCommand command) const {
    return commands_.at(command_name(command));
}

}  // namespace kor::ui
