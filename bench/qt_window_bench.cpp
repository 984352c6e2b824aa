// The window's start-up to its first painted frame, one brush move event through the whole window path
// (handler, sync, repaint) and one whole-view repaint, each beside a bare QImage widget doing the same
// amount of painting (bench/window_ratios.sh turns the pairs into ratios), and the memory that file
// dialogs hold.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <fstream>

#include "app/tmain.hpp"
#include "qt/image_surface.hpp"
#include "qt/main_window.hpp"
#include "qt/qt_platform.hpp"
#include "qt/window_setup.hpp"

namespace {

using namespace corvanth;

void BM_ConstructToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        qt::QtPlatform platform;
        TMain form(platform);
        qt::MainWindow window(form);
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_ConstructToFirstFrame)->Unit(benchmark::kMillisecond);

// Moves with the left button held, along a row of cells, so that each event paints fresh pixels. origin
// is the view's place in the widget.
void Move(QWidget& w, int i, QPointF origin = {}) {
    const QPointF p = origin + QPointF(2 + (i * 4) % 248, 2 + ((i / 62) * 4) % 248);
    QMouseEvent e(QEvent::MouseMove, p, w.mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
    QApplication::processEvents();  // the repaint
}

struct ShownWindow {
    qt::QtPlatform platform;
    TMain form{platform};
    qt::MainWindow window{form};
    ShownWindow() {
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }
};

void BM_BrushMove(benchmark::State& state) {
    ShownWindow w;
    w.form.state.CurrentTool = Brush;
    QWidget& surface = *w.window.surface();
    const QPoint origin = w.window.view(w.form.imgMain)->geometry().topLeft();
    QTest::mousePress(&surface, Qt::LeftButton, {}, origin + QPoint(2, 2));
    int i = 0;
    for (auto _ : state) Move(surface, ++i, origin);
}
BENCHMARK(BM_BrushMove)->Unit(benchmark::kMicrosecond);

// The grid toggles each time so that every repaint shows a changed picture.
void BM_ViewRepaint(benchmark::State& state) {
    ShownWindow w;
    for (auto _ : state) {
        w.window.run([&] { w.form.mniGridClick(); });
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ViewRepaint)->Unit(benchmark::kMicrosecond);

long ResidentKiB() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// 220 Open and Save As dialogs, each cancelled as soon as it shows; the growth of resident memory over the
// last 200 is reported, and stays flat when the dialogs are kept.
void BM_FileDialogMemory(benchmark::State& state) {
    qt::QtPlatform platform;
    TMain form(platform);
    qt::MainWindow window(form);
    platform.setParentWindow(&window);
    QTimer cancel;
    cancel.callOnTimeout([] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
    });
    cancel.start(1);
    for (auto _ : state) {
        long settled = 0;
        for (int i = 0; i < 220; ++i) {
            if (i == 20) settled = ResidentKiB();
            window.menuAction(i % 2 ? "Open1" : "SaveAs1")->trigger();
        }
        state.counters["rss_growth_kib"] = static_cast<double>(ResidentKiB() - settled);
    }
}
BENCHMARK(BM_FileDialogMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
// The floor: a 256 by 256 image in a plain widget, painted and repainted by rectangles.
class BareView : public QWidget {
  public:
    BareView() : image_(256, 256, QImage::Format_RGB32) {
        image_.fill(Qt::white);
        setFixedSize(256, 256);
    }
    void fill(const QRect& r, QRgb c) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
            std::fill(line + r.left(), line + r.right() + 1, c);
        }
        update(r);
    }

  protected:
    // The same 12 by 12 area a brush of size 1 repaints.
    void mouseMoveEvent(QMouseEvent* e) override {
        const QPoint p = e->position().toPoint();
        fill(QRect(p.x() / 4 * 4 - 4, p.y() / 4 * 4 - 4, 12, 12) & image_.rect(), 0xff808080);
    }
    void paintEvent(QPaintEvent* e) override {
        QPainter painter(this);
        painter.drawImage(e->rect(), image_, e->rect());
    }

  private:
    QImage image_;
};

void BM_BareBrushMove(benchmark::State& state) {
    BareView view;
    view.show();
    (void)QTest::qWaitForWindowExposed(&view);
    int i = 0;
    for (auto _ : state) Move(view, ++i);
}
BENCHMARK(BM_BareBrushMove)->Unit(benchmark::kMicrosecond);

void BM_BareViewRepaint(benchmark::State& state) {
    BareView view;
    view.show();
    (void)QTest::qWaitForWindowExposed(&view);
    int i = 0;
    for (auto _ : state) {
        view.fill({0, 0, 256, 256}, ++i % 2 ? 0xff000000 : 0xffffffff);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BareViewRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qt::SetUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
