// The floor for painting: a 256 by 256 image that takes a 3 by 3 dab at every move with a button
// held and repaints only that rectangle.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

class PaintArea : public QWidget {
  public:
    PaintArea() : image_(256, 256, QImage::Format_RGB32) {
        image_.fill(Qt::white);
        setFixedSize(256, 256);
        setWindowTitle("Bare Qt paint");
    }

  protected:
    void mousePressEvent(QMouseEvent* e) override { dab(e->position().toPoint()); }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (e->buttons()) dab(e->position().toPoint());
    }
    void paintEvent(QPaintEvent* e) override {
        QPainter painter(this);
        painter.drawImage(e->rect(), image_, e->rect());
    }

  private:
    void dab(QPoint p) {
        const QRect r = QRect(p.x() - 1, p.y() - 1, 3, 3) & image_.rect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) image_.setPixel(x, y, 0xff000000);
        update(r);
    }
    QImage image_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PaintArea area;
    area.show();
    return app.exec();
}
