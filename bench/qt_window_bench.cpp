// The window's start-up to its first painted frame, and one whole repaint of the view.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/tmain.hpp"
#include "qt/bitmap_view.hpp"
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

// The grid toggles each time so that every repaint copies a changed picture.
void BM_ViewRepaint(benchmark::State& state) {
    qt::QtPlatform platform;
    TMain form(platform);
    qt::MainWindow window(form);
    qt::BitmapView* view = window.view(form.imgMain);
    for (auto _ : state) {
        window.run([&] { form.mniGridClick(); });
        benchmark::DoNotOptimize(view->grab());
    }
}
BENCHMARK(BM_ViewRepaint)->Unit(benchmark::kMicrosecond);

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
