#include "platform/controls.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/numeric.hpp"

namespace corvanth {
namespace {

TEST(TrackBar, ClampsAndReportsOnlyRealChanges) {
    TTrackBar bar;
    bar.Min = 1;
    bar.Max = 8;
    std::vector<int> seen;
    bar.OnChange = [&] { seen.push_back(bar.Position()); };
    for (int v : {5, 5, 99, 8, -3, 1, 0}) bar.SetPosition(v);
    EXPECT_EQ(seen, (std::vector<int>{5, 8, 1}));
    const auto changes = bar.Changes();
    bar.SetPosition(1);
    bar.SetVisible(true);
    EXPECT_EQ(bar.Changes(), changes);  // nothing for a window to update
    bar.SetVisible(false);
    EXPECT_GT(bar.Changes(), changes);
}

TEST(Edit, ReportsEverySetEvenToTheSameText) {
    TEdit edit;
    int calls = 0;
    edit.OnChange = [&] { ++calls; };
    edit.SetTextBuf("12");
    edit.SetTextBuf("12");
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(edit.GetTextLen(), 2);
    const auto changes = edit.Changes();
    edit.SetTextBuf("12");
    EXPECT_EQ(edit.Changes(), changes);
    edit.SetTextBuf("1");
    EXPECT_GT(edit.Changes(), changes);
}

TEST(Numeric, AtolTakesTheLeadingNumber) {
    // clang-format off
    const std::pair<const char*, int> cases[] = {
        {"", 0}, {"abc", 0}, {"  42", 42}, {"\t-5", -5}, {"+7x", 7}, {"12abc", 12}, {"1 2", 1}, {"- 3", 0},
        {"007", 7}, {"2147483647", INT_MAX}, {"99999999999999999999", INT_MAX},
        {"-99999999999999999999", INT_MIN}, {"-2147483648", INT_MIN}};
    // clang-format on
    for (auto [text, value] : cases) EXPECT_EQ(atol(text), value) << '"' << text << '"';
    EXPECT_EQ(itoa(-17), "-17");
    EXPECT_EQ(itoa(255), "255");
}

}  // namespace
}  // namespace corvanth
