#include "qt/control_bindings.hpp"

#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionSlider>
#include <utility>

#include "qt/key_codes.hpp"

namespace corvanth::qt {

namespace {

const QColor kTickColour(160, 160, 160);

void Place(QWidget& w, const TControl& model) {
    w.setObjectName(QString::fromStdString(model.Name));
    w.setGeometry(model.bounds.left, model.bounds.top, model.bounds.width, model.bounds.height);
}

void SyncVisible(QWidget& w, const TControl& model) {
    if (w.isVisibleTo(w.parentWidget()) == model.Visible) return;
    // Hidden with the keyboard, a box would hand it to the next box in the tab order; the window takes it.
    if (w.hasFocus()) w.window()->setFocus(Qt::OtherFocusReason);
    w.setVisible(model.Visible);
}

// True once for every new count of the model's changes.
template <class Model>
bool Changed(const Model& model, std::uint64_t& seen) {
    if (model.Changes() == seen) return false;
    seen = model.Changes();
    return true;
}

}  // namespace

TrackBarBinding::TrackBarBinding(TTrackBar& model, QWidget* parent, std::function<void()> afterInput)
    : QSlider(Qt::Horizontal, parent), model_(model) {
    Place(*this, model);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setPageStep(2);
    sync();
    connect(this, &QSlider::valueChanged, this, [this, afterInput = std::move(afterInput)](int value) {
        model_.SetPosition(value);
        afterInput();
    });
}

void TrackBarBinding::sync() {
    if (!Changed(model_, seen_)) return;
    const QSignalBlocker block(this);
    if (minimum() != model_.Min || maximum() != model_.Max) setRange(model_.Min, model_.Max);
    if (value() != model_.Position()) setValue(model_.Position());
    SyncVisible(*this, model_);
}

void TrackBarBinding::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    // The style would frame a focused bar outside its box, over the row below.
    const bool focused = opt.state & QStyle::State_HasFocus;
    opt.state &= ~QStyle::State_HasFocus;
    opt.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    style()->drawComplexControl(QStyle::CC_Slider, &opt, &painter, this);

    painter.setPen(kTickColour);
    for (const QLine& tick : ticks(opt)) painter.drawLine(tick);
    if (focused) {
        QPen dotted(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// Each tick stands under the handle's middle at that position, so ticks and clicks agree. Positions that
// fall on the same pixel column share one line.
const std::vector<QLine>& TrackBarBinding::ticks(const QStyleOptionSlider& opt) {
    const std::tuple key{minimum(), maximum(), size()};
    if (key == ticksFor_ && !ticks_.empty()) return ticks_;
    ticksFor_ = key;
    ticks_.clear();
    QStyleOptionSlider at = opt;
    for (int v = minimum(); v <= maximum(); ++v) {
        at.sliderPosition = v;
        const QRect handle = style()->subControlRect(QStyle::CC_Slider, &at, QStyle::SC_SliderHandle, this);
        const int x = handle.left() + handle.width() / 2;
        const QLine tick(x, handle.bottom() + 2, x, height() - 2);
        if (ticks_.empty() || ticks_.back() != tick) ticks_.push_back(tick);
    }
    return ticks_;
}

EditBinding::EditBinding(TEdit& model, QWidget* parent, std::function<void()> afterInput)
    : QLineEdit(parent), model_(model) {
    Place(*this, model);
    // Black on white inside a one-pixel grey border, without the style's own frame.
    setFrame(false);
    setTextMargins(1, 1, 1, 1);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    sync();
    connect(this, &QLineEdit::textEdited, this,
            [this, afterInput = std::move(afterInput)](const QString& text) {
                model_.SetTextBuf(text.toStdString());
                afterInput();
            });
}

void EditBinding::sync() {
    if (!Changed(model_, seen_)) return;
    const QSignalBlocker block(this);
    const QString text = QString::fromStdString(model_.Text());
    if (this->text() != text) setText(text);
    SyncVisible(*this, model_);
}

void EditBinding::paintEvent(QPaintEvent* e) {
    QLineEdit::paintEvent(e);
    QPainter painter(this);
    painter.setPen(QColor(0x5c, 0x5c, 0x5c));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void EditBinding::keyPressEvent(QKeyEvent* e) {
    if (onKeyDown) onKeyDown(VirtualKeyCode(*e));
    QLineEdit::keyPressEvent(e);
    // Enter and Escape end the typing: the keyboard goes back to the window.
    const int key = e->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        window()->setFocus(Qt::OtherFocusReason);
}

void EditBinding::keyReleaseEvent(QKeyEvent* e) {
    QLineEdit::keyReleaseEvent(e);
    if (onKeyUp && !e->isAutoRepeat()) onKeyUp(VirtualKeyCode(*e));
}

LabelBinding::LabelBinding(TLabel& model, QWidget* parent) : QLabel(parent), model_(model) {
    Place(*this, model);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    sync();
}

void LabelBinding::sync() {
    if (!Changed(model_, seen_)) return;
    const QString text = QString::fromStdString(model_.Caption.get());
    if (this->text() != text) setText(text);
    SyncVisible(*this, model_);
}

CheckBoxBinding::CheckBoxBinding(TCheckBox& model, QWidget* parent, std::function<void()> afterInput)
    : QCheckBox(parent), model_(model) {
    Place(*this, model);
    sync();
    connect(this, &QCheckBox::toggled, this, [this, afterInput = std::move(afterInput)](bool checked) {
        model_.Checked = checked;
        afterInput();
    });
}

void CheckBoxBinding::sync() {
    if (!Changed(model_, seen_)) return;
    const QSignalBlocker block(this);
    const QString text = QString::fromStdString(model_.Caption.get());
    if (this->text() != text) setText(text);
    if (isChecked() != model_.Checked) setChecked(model_.Checked);
    SyncVisible(*this, model_);
}

}  // namespace corvanth::qt
