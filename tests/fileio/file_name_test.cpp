#include "fileio/file_name.hpp"

#include <gtest/gtest.h>

namespace corvanth {
namespace {

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

// The extension goes on a last part that has none. On Windows a backslash and a drive letter's colon end a
// folder too; elsewhere both are ordinary characters of a name.
TEST(FileName, DefaultExtensionGoesOnTheLastPartOnly) {
    struct Case {
        const char *name, *elsewhere, *windows;
    };
    const Case cases[] = {
        {"logo", "logo.tga", "logo.tga"},
        {"logo.png", "logo.png", "logo.png"},
        {".hidden", ".hidden.tga", ".hidden.tga"},
        {"logos.v2/logo", "logos.v2/logo.tga", "logos.v2/logo.tga"},
        {"dir/", "dir/", "dir/"},
        {"", "", ""},
        {R"(C:\logos.v2\logo)", R"(C:\logos.v2\logo)", R"(C:\logos.v2\logo.tga)"},
        {R"(C:\dir\)", R"(C:\dir\.tga)", R"(C:\dir\)"},
        {R"(dir\.hidden)", R"(dir\.hidden)", R"(dir\.hidden.tga)"},
        {"C:logo", "C:logo.tga", "C:logo.tga"},
        {"C:", "C:.tga", "C:"},
        {"C:.v2", "C:.v2", "C:.v2.tga"},
    };
    for (const auto& [name, elsewhere, windows] : cases)
        EXPECT_EQ(WithDefaultExtension(name, "tga"), kWindows ? windows : elsewhere) << name;
    EXPECT_EQ(WithDefaultExtension("logo", ""), "logo");
}

TEST(FileName, ExtensionMatchesInAnyCase) {
    const std::pair<const char*, bool> cases[] = {{"LOGO.TGA", true},
                                                  {"dir/logo.Tga", true},
                                                  {"logo.tga.png", false},
                                                  {"logotga", false},
                                                  {".tga", false}};
    for (const auto& [name, has] : cases) EXPECT_EQ(HasExtension(name, "tga"), has) << name;
}

}  // namespace
}  // namespace corvanth
