// The window's start-up to its first painted frame, one whole repaint of the view, and the memory that
// file dialogs hold.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <fstream>

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
