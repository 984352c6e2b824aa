// The real dialogs and message boxes, answered the way a user would, and the intro windows.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>

#include "app/intro_window.hpp"
#include "qt/intro_window.hpp"
#include "qt/qt_platform.hpp"
#include "window_fixture.hpp"

namespace corvanth::qt::testing {
namespace {

struct FileCommandsTest : ::testing::Test {
    QtPlatform platform;
    TMain form{platform};
    MainWindow window{form};
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(name); }
    void SetUp() override { platform.setParentWindow(&window); }
};

TEST_F(FileCommandsTest, SaveAsAddsTheExtensionAndSaveWritesThereAgain) {
    auto folder = std::make_shared<QString>();
    WhenShown<QFileDialog>([this, folder](QFileDialog* d) {
        *folder = d->directory().absolutePath();
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(d->nameFilters(), QStringList("*.tga (*.tga)"));
        ChooseFile(d, path("logo"));
    });
    window.menuAction("SaveAs1")->trigger();
    EXPECT_EQ(*folder, QDir::current().absolutePath());  // "." the first time
    ASSERT_TRUE(QFile::exists(path("logo.tga")));
    EXPECT_EQ(QFile(path("logo.tga")).size(), 18 + 64 * 64 * 4);
    EXPECT_EQ(form.state.FileName, path("logo.tga").toStdString());

    QFile::remove(path("logo.tga"));
    window.menuAction("Save1")->trigger();  // no dialog now
    EXPECT_TRUE(QFile::exists(path("logo.tga")));

    // Open starts where the last dialog ended and reads the file back.
    form.imgRGB.Picture.SetPixel(0, 0, clBlack);
    WhenShown<QFileDialog>([this, folder](QFileDialog* d) {
        *folder = d->directory().absolutePath();
        ChooseFile(d, path("logo.tga"));
    });
    window.menuAction("Open1")->trigger();
    EXPECT_EQ(*folder, dir.path());
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(0, 0), clWhite);
    EXPECT_EQ(form.state.FileName, "");
}

TEST_F(FileCommandsTest, BadFilesAreRefusedWithTheirMessages) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QString message;
    };
    QByteArray header(18, '\0');
    header[2] = 2;
    header[12] = 64;
    header[14] = 64;
    header[16] = 16;  // a 16-bit image
    const Case cases[] = {
        {"short.tga", QByteArray(10, '\1'), "Error: Image not 64x64 pixels."},
        {"deep.tga", header + QByteArray(64 * 64 * 2, '\0'), "Error: Image not in 24-bit or 32-bit."},
        {"missing.tga", {}, "Error: File I/O Error."},
    };
    for (const Case& c : cases) {
        if (!c.bytes.isEmpty()) {
            QFile f(path(c.name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.bytes);
        }
        WhenShown<QFileDialog>([this, &c](QFileDialog* d) {
            ChooseFile(d, path(c.name));
            WhenShown<QMessageBox>([&c](QMessageBox* box) {
                EXPECT_EQ(box->windowTitle(), "Error Message");
                EXPECT_EQ(box->text(), c.message);
                EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
                EXPECT_TRUE(box->isModal());
                box->accept();
            });
        });
        window.menuAction("Open1")->trigger();
        EXPECT_EQ(form.imgRGB.Picture.GetPixel(5, 5), clWhite) << c.name;
    }
}

TEST_F(FileCommandsTest, CancelledSaveDialogWritesNothing) {
    WhenShown<QFileDialog>([](QFileDialog* d) { d->reject(); });
    window.menuAction("Save1")->trigger();
    EXPECT_EQ(form.state.FileName, "");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(QtGlyphs, TextBecomesAHardMask) {
    QtPlatform platform;
    const GlyphRun run = platform.Glyphs().Render(TFont{"DejaVu Sans", -16}, "HI");
    ASSERT_GT(run.width, 10);
    ASSERT_EQ(run.ink.size(), static_cast<std::size_t>(run.width * run.height));
    int ink = 0;
    for (auto v : run.ink) {
        EXPECT_LE(v, 1);
        ink += v;
    }
    EXPECT_GT(ink, 20);
    EXPECT_EQ(platform.Glyphs().Render(TFont{}, "").ink.size(), 0u);
}

TEST(IntroWindowsTest, AClickClosesTheWindowThatWasClicked) {
    IntroWindows model;
    model.Create();
    IntroWindowSet windows(model);
    windows.sync();
    model.Create();  // as Help > About does
    windows.sync();
    ASSERT_EQ(windows.windows().size(), 2u);
    IntroWindow& older = *windows.windows()[0];
    EXPECT_EQ(older.size(), QSize(381, 232));
    EXPECT_TRUE(older.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(older.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(older.isVisible());
    EXPECT_FALSE(older.isModal());
    QTest::mouseClick(older.findChild<BitmapView*>(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_FALSE(older.isVisible());
    EXPECT_TRUE(windows.windows()[1]->isVisible());
}

}  // namespace
}  // namespace corvanth::qt::testing
