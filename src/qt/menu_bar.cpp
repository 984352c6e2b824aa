#include "qt/menu_bar.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>

namespace corvanth::qt {

namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Menu shortcuts come before the focused control's own keys: an edit box would otherwise take Ctrl+Z as
// its text undo and Ctrl+A as select all. Every other key still reaches the control.
class ShortcutsFirst : public QObject {
  public:
    ShortcutsFirst(QWidget& window, QList<QKeySequence> shortcuts)
        : QObject(&window), window_(window), shortcuts_(std::move(shortcuts)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* target, QEvent* e) override {
        if (e->type() != QEvent::ShortcutOverride) return false;
        const auto* widget = qobject_cast<QWidget*>(target);
        if (!widget || widget->window() != &window_) return false;
        const QKeySequence pressed(static_cast<QKeyEvent*>(e)->keyCombination());
        if (!shortcuts_.contains(pressed)) return false;
        e->ignore();  // not claimed by the control, so the shortcut runs
        return true;
    }

  private:
    QWidget& window_;
    QList<QKeySequence> shortcuts_;
};

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
            action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(e.ctrlKey)));
            // Shortcuts reach the editor while the intro window is in front, too.
            action->setShortcutContext(Qt::ApplicationShortcut);
            window.addAction(action);
        }
        if (e.checkState) action->setCheckable(true);
        if (e.onClick) {
            QObject::connect(action, &QAction::triggered, action,
                             [run, handler = e.onClick] { run(handler); });
        }
        items_.push_back({action, &e});
    }
    QList<QKeySequence> shortcuts;
    for (const Item& item : items_)
        if (!item.action->shortcut().isEmpty()) shortcuts.append(item.action->shortcut());
    new ShortcutsFirst(window, shortcuts);  // owned by the window
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
