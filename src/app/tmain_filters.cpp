#include <functional>

#include "app/tmain.hpp"
#include "filters/blur.hpp"
#include "filters/emboss.hpp"
#include "filters/transform.hpp"

// Filter > Blur, Edit > Rotate and Filter > Emboss. The filters build their result in a plane of their
// own; each first ends an open text entry, so no later key release writes the old plane back.
namespace corvanth {

void TMain::ChangePlanes(UndoCopy undo, Planes planes, const std::function<Bitmap(const Bitmap&)>& change) {
    EndTextEntry();
    if (undo == UndoCopy::Take) SaveUndo();
    imgRGB.Picture = change(imgRGB.GetCanvas().bitmap());
    if (planes == Planes::Both) imgA.Picture = change(imgA.GetCanvas().bitmap());
    RedrawView();
}

namespace {
// Blur keeps no undo copy and leaves the alpha plane alone.
void Blur(TMain& form, int row) {
    form.ChangePlanes(TMain::UndoCopy::Skip, TMain::Planes::RgbOnly,
                      [row](const Bitmap& p) { return BlurPlane(p, kBlurWeights[row]); });
}
void Turn(TMain& form, Transform t) {
    form.ChangePlanes(TMain::UndoCopy::Take, TMain::Planes::Both,
                      [t](const Bitmap& p) { return RemapPlane(p, t); });
}
}  // namespace

void TMain::Blur101Click() {
    Blur(*this, 0);
}
void TMain::Blur251Click() {
    Blur(*this, 1);
}
void TMain::Blur501Click() {
    Blur(*this, 2);
}
void TMain::Blur1001Click() {
    Blur(*this, 3);
}

void TMain::N901Click() {
    Turn(*this, Transform::Rotate90);
}
void TMain::N4Click() {
    Turn(*this, Transform::Rotate180);
}
void TMain::N5Click() {
    Turn(*this, Transform::Rotate270);
}
void TMain::FlipHorizontal1Click() {
    Turn(*this, Transform::FlipHorizontal);
}
void TMain::FlipVertical1Click() {
    Turn(*this, Transform::FlipVertical);
}

void TMain::Emboss1Click() {
    ChangePlanes(UndoCopy::Take, Planes::RgbOnly, EmbossPlane);
}

}  // namespace corvanth
