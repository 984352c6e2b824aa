#include "qt/menu_bar.hpp"

#include <QMenu>
#include <QSignalBlocker>

namespace corvanth::qt {

namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

MenuBinding::MenuBinding(QMenuBar& bar, QWidget& window, TMain& form, const Runner& run) : form_(form) {
    QMenu* menus[3] = {nullptr, nullptr, nullptr};  // the open menu of each level
    for (std::size_t i = 0; i < kMainMenu.size(); ++i) {
        const MenuEntry& e = kMainMenu[i];
        const bool opensSubmenu = i + 1 < kMainMenu.size() && kMainMenu[i + 1].level > e.level;
        QAction* action = nullptr;
        if (e.level == 0) {
            menus[0] = bar.addMenu(Text(e.caption));
            action = menus[0]->menuAction();
        } else if (e.caption == "-") {
            action = menus[e.level - 1]->addSeparator();
        } else if (opensSubmenu) {
            menus[e.level] = menus[e.level - 1]->addMenu(Text(e.caption));
            action = menus[e.level]->menuAction();
        } else {
            action = menus[e.level - 1]->addAction(Text(e.caption));
        }
        action->setObjectName(Text(e.name));
        if (e.ctrlKey) {
            // A box with the keyboard keeps the keys of text editing (Ctrl+A, Z, C, V, X) for its own text;
            // the others reach the menu from anywhere in the window.
            action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(e.ctrlKey)));
            window.addAction(action);
        }
        if (e.checkState) action->setCheckable(true);
        if (e.onClick) {
            QObject::connect(action, &QAction::triggered, action,
                             [run, handler = e.onClick] { run(handler); });
        }
        items_.push_back({action, &e});
    }
    sync();
}

void MenuBinding::sync() {
    for (const Item& item : items_) {
        if (!item.entry->checkState) continue;
        const bool checked = (form_.*(item.entry->checkState)).Checked;
        if (item.action->isChecked() != checked) {
            const QSignalBlocker block(item.action);
            item.action->setChecked(checked);
        }
    }
}

QAction* MenuBinding::action(std::string_view name) const {
    for (const Item& item : items_)
        if (item.entry->name == name) return item.action;
    return nullptr;
}

}  // namespace corvanth::qt
