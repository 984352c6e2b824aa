#include "qt/main_window.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <optional>
#include <variant>

#include "app/artwork.hpp"
#include "app/components.hpp"
#include "qt/control_bindings.hpp"
#include "qt/image_surface.hpp"
#include "qt/window_setup.hpp"

namespace corvanth::qt {

namespace {

constexpr int kClientWidth = 700;
constexpr int kClientHeight = 353;

// The one local file a drag carries, or an empty string.
QString DraggedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().first();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

void PaintWhiteOnBlack(QWidget& w) {
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Window, Qt::black);
    w.setPalette(p);
}

}  // namespace

MainWindow::MainWindow(TMain& form)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      form_(form),
      menuBar_(new QMenuBar(this)),
      client_(new QWidget(this)),
      surface_(new ImageSurface(client_)),
      controls_(new QWidget(client_)) {
    setObjectName("Main");
    setWindowTitle("Corvanth Logo Editor");
    setFont(WindowFont());
    client_->setObjectName("client");
    client_->setFixedSize(kClientWidth, kClientHeight);
    PaintWhiteOnBlack(*client_);
    surface_->setGeometry(0, 0, kClientWidth, kClientHeight);
    controls_->setObjectName("controls");
    controls_->setGeometry(0, 0, kClientWidth, kClientHeight);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setMenuBar(menuBar_);
    box->addWidget(client_);

    menu_ = std::make_unique<MenuBinding>(*menuBar_, *this, form_, [this](void (TMain::*handler)()) {
        TMain& form = form_;
        run([&form, handler] { (form.*handler)(); });
    });
    PaintDecorations(form_);
    buildComponents();
    bindMouse();
    setTabOrders();
    setAcceptDrops(true);
    // The window takes the size of its menu bar and client area, and keeps it.
    box->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    CenterOnScreen(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildComponents() {
    const auto input = [this] { run([] {}); };
    QRegion places;
    for (const ComponentEntry& entry : kComponents) {
        QWidget* widget = nullptr;
        switch (entry.kind) {
            case ComponentKind::Artwork:
                surface_->add(ComponentOf<TArtwork>(form_, entry), true);
                break;
            case ComponentKind::Image:
                surface_->add(ComponentOf<TImage>(form_, entry));
                break;
            case ComponentKind::Label:
                labels_.push_back(new LabelBinding(ComponentOf<TLabel>(form_, entry), controls_));
                PaintWhiteOnBlack(*labels_.back());
                widget = labels_.back();
                break;
            case ComponentKind::Edit:
                edits_.push_back(new EditBinding(ComponentOf<TEdit>(form_, entry), controls_, input));
                edits_.back()->setFont(EditFont());
                widget = edits_.back();
                break;
            case ComponentKind::TrackBar:
                trackBars_.push_back(
                    new TrackBarBinding(ComponentOf<TTrackBar>(form_, entry), controls_, input));
                widget = trackBars_.back();
                break;
            case ComponentKind::CheckBox:
                checkBoxes_.push_back(
                    new CheckBoxBinding(ComponentOf<TCheckBox>(form_, entry), controls_, input));
                PaintWhiteOnBlack(*checkBoxes_.back());
                widget = checkBoxes_.back();
                break;
        }
        widgets_.push_back(widget);
        if (widget) places += widget->geometry();
    }
    // Every pointer event asks which widget is under it; the mask lets it pass all the controls in one test
    // and reach the surface, which takes the clicks between them.
    controls_->setMask(places);
    // The A label stands on the R row with a black background of its own.
    widgetOf(form_.lblA)->setAutoFillBackground(true);
    auto* text = static_cast<EditBinding*>(widgetOf(form_.edtText));
    text->onKeyDown = [this](int key) { run([&] { form_.edtTextKeyDown(key); }); };
    text->onKeyUp = [this](int key) { run([&] { form_.edtTextKeyUp(key); }); };
}

QWidget* MainWindow::widgetOf(const TControl& control) const {
    for (std::size_t i = 0; i < kComponents.size(); ++i)
        if (&ComponentOf(form_, kComponents[i]) == &control) return widgets_[i];
    return nullptr;
}

void MainWindow::bindMouse() {
    BitmapView* toolbar = view(form_.imgToolbar);
    toolbar->onPress = [this](TMouseButton b, int x, int y) {
        run([&] { form_.imgToolbarMouseDown(b, x, y); });
    };

    BitmapView* colors = view(form_.imgColors);
    colors->onPress = [this](TMouseButton b, int x, int y) {
        run([&] { form_.imgColorsMouseDown(b, x, y); });
    };
    colors->onDoubleClick = [this] { run([&] { form_.imgColorsDblClick(); }); };

    BitmapView* main = view(form_.imgMain);
    main->tracksHover = true;  // hovering redraws the selection frame
    // Each event also brings the readout below the view up to date with the pixel under the pointer.
    main->onPress = [this](TMouseButton b, int x, int y) {
        run([&] {
            form_.imgMainMouseDown(b, x, y);
            form_.ShowReadout(x, y);
        });
        // A text press opens the entry under the palette: what is typed next goes there.
        if (form_.state.CurrentTool == Text && form_.edtText.Visible)
            widgetOf(form_.edtText)->setFocus(Qt::MouseFocusReason);
    };
    main->onMove = [this](int x, int y) {
        run([&] {
            form_.imgMainMouseMove(x, y);
            form_.ShowReadout(x, y);
        });
    };
    main->onRelease = [this](TMouseButton b, int x, int y) {
        run([&] {
            form_.imgMainMouseUp(b, x, y);
            form_.ShowReadout(x, y);
        });
    };
    main->onLeave = [this] { run([&] { form_.HideReadout(); }); };
    view(form_.imgComposite)->onClick = [this] { run([&] { form_.imgCompositeClick(); }); };

    view(form_.imgRGB)->onClick = [this] { run([&] { form_.imgRGBClick(); }); };
    view(form_.imgA)->onClick = [this] { run([&] { form_.imgAClick(); }); };
}

void MainWindow::setTabOrders() {
    std::vector<std::pair<int, QWidget*>> order;
    for (std::size_t i = 0; i < kComponents.size(); ++i)
        if (kComponents[i].tabOrder >= 0) order.emplace_back(kComponents[i].tabOrder, widgets_[i]);
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1].second, order[i].second);
    // No box has the keyboard when the window opens, so every shortcut works; Tab reaches the boxes.
    setFocus(Qt::OtherFocusReason);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    // Quitting only when the last window closes would keep running under a shown intro window.
    if (e->isAccepted()) QCoreApplication::quit();
}

void MainWindow::openNamedFile(const std::string& path) {
    run([&] { form_.OpenNamedFile(path); });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
    if (!DraggedFile(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
    const QString file = DraggedFile(e->mimeData());
    if (file.isEmpty()) return;
    e->acceptProposedAction();
    openNamedFile(file.toStdString());
}

BitmapView* MainWindow::view(const TControl& image) const {
    return surface_->view(image);
}

void MainWindow::run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        // A failed handler is abandoned where it failed; the program goes on.
        form_.platform.MessageBox(e.what(), "Corvanth Logo Editor");
    }
    form_.RefreshPreviews();
    syncAll();
    if (afterHandler) afterHandler();
}

void MainWindow::syncAll() {
    surface_->sync();
    for (auto* b : trackBars_) b->sync();
    for (auto* e : edits_) e->sync();
    for (auto* l : labels_) l->sync();
    for (auto* c : checkBoxes_) c->sync();
    menu_->sync();
}

}  // namespace corvanth::qt
