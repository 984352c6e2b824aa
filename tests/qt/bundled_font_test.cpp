// The copy of DejaVu Sans built into the program, which gives the window its font where the system has
// none. The test binary runs a second time with a font configuration that lists no fonts at all.
#include "qt/bundled_font.hpp"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

#include "qt/window_setup.hpp"

namespace corvanth::qt {
namespace {

// Set up as the program is (main does it): with the system's font or, without one, the built-in copy.
TEST(BundledFont, TheWindowTextIsInDejaVuSansWithOrWithoutTheSystemsCopy) {
    for (const QFont& font : {WindowFont(), EditFont()}) {
        const QFontInfo used(font);
        EXPECT_EQ(used.family().toStdString(), kWindowFamily);
        EXPECT_EQ(used.style(), QFont::StyleNormal);
        EXPECT_EQ(used.pixelSize(), font.pixelSize());
    }
}

TEST(BundledFont, LoadsAsDejaVuSansWithTheCharactersOfNames) {
    EXPECT_EQ(AddBundledFont(), QStringList{kWindowFamily});
    EXPECT_TRUE(QFontDatabase::hasFamily(kWindowFamily));
    QFile file(":/fonts/DejaVuSans.ttf");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QRawFont raw(file.readAll(), 11);
    ASSERT_TRUE(raw.isValid());
    EXPECT_EQ(raw.styleName(), "Book");
    for (const QChar c : QString("Aü€ЛΩ")) EXPECT_TRUE(raw.supportsCharacter(c)) << int(c.unicode());
}

}  // namespace
}  // namespace corvanth::qt
