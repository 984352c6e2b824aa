#include <benchmark/benchmark.h>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"
#include "tools/plane_tools.hpp"
#include "tools/stamps.hpp"

namespace corvanth {
namespace {

// One dab of a size 8 mask on a bare plane, without the view.
void StampAt8(benchmark::State& st, const std::array<BrushMask, 8>& masks, StampInk ink) {
    Bitmap plane(64, 64, clWhite);
    int touched = 0;
    for (auto _ : st) {
        ApplyMask(plane, 32, 32, masks[7], RGB(10, 20, 30), ink, [&touched](int, int, TColor) { ++touched; });
        benchmark::DoNotOptimize(plane.pixels().data());
    }
    benchmark::DoNotOptimize(touched);
}
void BM_StampSolid8(benchmark::State& st) {
    StampAt8(st, kSolidMasks, StampInk::Set);
}
void BM_StampSoft8(benchmark::State& st) {
    StampAt8(st, kSoftMasks, StampInk::Blend);
}
void BM_StampScatter8(benchmark::State& st) {
    StampAt8(st, kScatterMasks, StampInk::Blend);
}
BENCHMARK(BM_StampSolid8);
BENCHMARK(BM_StampSoft8);
BENCHMARK(BM_StampScatter8);

// Every pixel of the plane changes colour, alternating so each round has work to do.
void BM_FloodFillWholePlane(benchmark::State& st) {
    Bitmap plane(64, 64, clWhite);
    CanvasState cs;
    bool black = true;
    for (auto _ : st) {
        FillRegion(TCanvas(plane, cs), 10, 10, black ? clBlack : clWhite);
        black = !black;
        benchmark::DoNotOptimize(plane.pixels().data());
    }
}
BENCHMARK(BM_FloodFillWholePlane);

// One mouse move with the button held: a size 8 soft dab and the repaint of its 100 view cells.
void BM_BrushMove8(benchmark::State& st) {
    testing::ScriptedPlatform host;
    TMain form(host);
    form.state.CurrentTool = Brush;
    form.state.BrushSize = 8;
    form.imgMainMouseDown(TMouseButton::mbLeft, 128, 128);
    int x = 0;
    for (auto _ : st) {
        form.imgMainMouseMove(40 + x, 128);
        x = (x + 4) % 160;
        benchmark::DoNotOptimize(form.imgMain.Picture.pixels().data());
    }
}
BENCHMARK(BM_BrushMove8);

// One move of a drag: the plane restored from the press snapshot, the shape or block drawn, the whole
// view repainted. Shapes span the largest box, filled; the move lifts the whole plane.
void DragMove(benchmark::State& st, int tool, bool selectAll) {
    testing::ScriptedPlatform host;
    TMain form(host);
    form.chkFilled.Checked = true;
    if (selectAll) form.Selectall1Click();
    form.state.CurrentTool = tool;
    form.imgMainMouseDown(TMouseButton::mbLeft, 0, 0);
    int step = 0;
    for (auto _ : st) {
        form.imgMainMouseMove(255 - step, 255 - step);  // stays on plane pixel 63
        step = (step + 1) % 4;
        benchmark::DoNotOptimize(form.imgMain.Picture.pixels().data());
    }
}
void BM_LinePreview(benchmark::State& st) {
    DragMove(st, Line, false);
}
void BM_RectanglePreview(benchmark::State& st) {
    DragMove(st, Rectangle, false);
}
void BM_EllipsePreview(benchmark::State& st) {
    DragMove(st, Ellipse, false);
}
void BM_MovePreviewWholePlane(benchmark::State& st) {
    DragMove(st, Move, true);
}
BENCHMARK(BM_LinePreview);
BENCHMARK(BM_RectanglePreview);
BENCHMARK(BM_EllipsePreview);
BENCHMARK(BM_MovePreviewWholePlane);

// One key release in the text box: the line redrawn over the snapshot, the view repainted.
void BM_TextKeyRelease(benchmark::State& st) {
    testing::ScriptedPlatform host;
    TMain form(host);
    form.state.CurrentTool = Text;
    form.imgMainMouseDown(TMouseButton::mbLeft, 8, 8);
    form.imgMainMouseUp(TMouseButton::mbLeft, 8, 8);
    form.edtText.SetTextBuf("Corvanth logo");
    for (auto _ : st) {
        form.edtTextKeyUp('O');
        benchmark::DoNotOptimize(form.imgMain.Picture.pixels().data());
    }
}
BENCHMARK(BM_TextKeyRelease);

}  // namespace
}  // namespace corvanth
