#pragma once
#include <QMenuBar>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/tmain.hpp"
#include "qt/menu_bar.hpp"

namespace corvanth::qt {

class BitmapView;
class ImageSurface;
class TrackBarBinding;
class EditBinding;
class LabelBinding;
class CheckBoxBinding;

// The main form's window: a menu bar over a fixed 700 by 353 black client area with every component at its
// place. A plain widget with a box layout does this; a main window's dock and tool bar machinery would
// only cost start-up time and memory.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(TMain& form);
    ~MainWindow() override;

    // Runs a handler of the form, then brings every widget in line with the model.
    void run(const std::function<void()>& handler);
    void syncAll();
    // Opens a .tga the way File > Open does, or imports any other picture.
    void openNamedFile(const std::string& path);
    // Called after every handler, for windows the form may have opened.
    std::function<void()> afterHandler;

    TMain& form() const { return form_; }
    QWidget* client() const { return client_; }
    // Below the windowed controls: the form's colour and its image controls.
    ImageSurface* surface() const { return surface_; }
    BitmapView* view(const TControl& image) const;
    QAction* menuAction(std::string_view name) const { return menu_->action(name); }
    QMenuBar* menuBar() const { return menuBar_; }

  protected:
    // The program ends with this window, whatever other windows are still shown.
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

  private:
    // One control per row of the component table, in its order: the images on the surface, the rest as
    // widgets above it.
    void buildComponents();
    QWidget* widgetOf(const TControl& control) const;
    void bindMouse();
    void setTabOrders();

    TMain& form_;
    QMenuBar* menuBar_;
    QWidget* client_;
    ImageSurface* surface_;
    // The windowed controls, above the surface and only where they stand.
    QWidget* controls_;
    std::vector<QWidget*> widgets_;  // by row of the component table; none for an image
    std::vector<TrackBarBinding*> trackBars_;
    std::vector<EditBinding*> edits_;
    std::vector<LabelBinding*> labels_;
    std::vector<CheckBoxBinding*> checkBoxes_;
    std::unique_ptr<MenuBinding> menu_;
};

}  // namespace corvanth::qt
