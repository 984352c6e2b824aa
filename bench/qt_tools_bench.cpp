// Drag previews and a text key release through the whole window: handler, sync, view repaint.
#include <benchmark/benchmark.h>

#include "app/tmain.hpp"
#include "qt/image_surface.hpp"
#include "qt/main_window.hpp"
#include "qt/qt_platform.hpp"

namespace {

using namespace corvanth;

// A shown window with a drag begun at the view's top-left corner.
struct Dragging {
    qt::QtPlatform platform;
    TMain form{platform};
    qt::MainWindow window{form};
    QRect view = window.view(form.imgMain)->geometry();
    Dragging(int tool, bool selectAll) {
        form.chkFilled.Checked = true;
        if (selectAll) form.Selectall1Click();
        form.state.CurrentTool = tool;
        window.show();
        window.run([this] { form.imgMainMouseDown(TMouseButton::mbLeft, 0, 0); });
    }
    // To the view's last cell and back, so every event changes the view.
    void Move(int i) {
        const int at = i % 2 ? 255 : 128;
        window.run([this, at] { form.imgMainMouseMove(at, at); });
        window.surface()->repaint(view);
    }
};

void WindowDrag(benchmark::State& st, int tool, bool selectAll) {
    Dragging d(tool, selectAll);
    int i = 0;
    for (auto _ : st) d.Move(i++);
}
void BM_WindowLinePreview(benchmark::State& st) {
    WindowDrag(st, Line, false);
}
void BM_WindowRectanglePreview(benchmark::State& st) {
    WindowDrag(st, Rectangle, false);
}
void BM_WindowEllipsePreview(benchmark::State& st) {
    WindowDrag(st, Ellipse, false);
}
void BM_WindowMovePreview(benchmark::State& st) {
    WindowDrag(st, Move, true);
}
BENCHMARK(BM_WindowLinePreview)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowRectanglePreview)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowEllipsePreview)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowMovePreview)->Unit(benchmark::kMicrosecond);

// The real glyphs: a 13-character line in the window's font.
void BM_WindowTextKeyRelease(benchmark::State& st) {
    Dragging d(Text, false);
    d.form.edtText.SetTextBuf("Corvanth logo");
    int i = 0;
    for (auto _ : st) {
        d.form.edtText.SetTextBuf(i++ % 2 ? "Corvanth logo" : "Corvanth log");
        d.window.run([&d] { d.form.edtTextKeyUp('O'); });
        d.window.surface()->repaint(d.view);
    }
}
BENCHMARK(BM_WindowTextKeyRelease)->Unit(benchmark::kMicrosecond);

// The same key release without the window: the handler with the real glyphs.
void BM_TextKeyReleaseQtGlyphs(benchmark::State& st) {
    qt::QtPlatform platform;
    TMain form(platform);
    form.state.CurrentTool = Text;
    form.imgMainMouseDown(TMouseButton::mbLeft, 8, 8);
    form.edtText.SetTextBuf("Corvanth logo");
    for (auto _ : st) {
        form.edtTextKeyUp('O');
        benchmark::DoNotOptimize(form.imgMain.Picture.pixels().data());
    }
}
BENCHMARK(BM_TextKeyReleaseQtGlyphs)->Unit(benchmark::kMicrosecond);

}  // namespace
