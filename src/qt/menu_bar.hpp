#pragma once
#include <QAction>
#include <QMenuBar>
#include <functional>
#include <vector>

#include "app/main_menu.hpp"

namespace corvanth::qt {

// The window's menu, built from the menu table; run() calls a handler and syncs the window.
class MenuBinding {
  public:
    using Runner = std::function<void(void (TMain::*)())>;
    MenuBinding(QMenuBar& bar, QWidget& window, TMain& form, const Runner& run);
    // Check marks follow the model's menu items.
    void sync();
    QAction* action(std::string_view name) const;

  private:
    struct Item {
        QAction* action;
        const MenuEntry* entry;
    };
    TMain& form_;
    std::vector<Item> items_;
};

}  // namespace corvanth::qt
