// Menu item texts of any length, the room left after '|', the command ids that must not stand for
// controls, and the colour keywords in any case.
#include <gtest/gtest.h>

#include <string>

#include "menu_rules.h"

namespace {

TEST(MenuRules, TextsAreKeptMeasuredAndSplit)
{
    const std::string longText(1000, 'x');
    EXPECT_EQ(qbk::KeptMenuText(longText), std::string(63, 'x'));
    EXPECT_EQ(qbk::KeptMenuText("Open"), "Open");
    // Blanks after a '|' far past the old 64-byte copy.
    EXPECT_EQ(qbk::MeasuredMenuText(std::string(200, 'a') + "|b"), std::string(200, 'a') + "|     b");
    EXPECT_EQ(qbk::MeasuredMenuText("&Open|Ctrl+O|x"), "Open|     Ctrl+O|x");
    std::string left, right;
    bool hasRight = false;
    qbk::SplitMenuText("Open|Ctrl+O|x", &left, &right, &hasRight);
    EXPECT_EQ(left, "Open");
    EXPECT_EQ(right, "Ctrl+O|x");
    EXPECT_TRUE(hasRight);
    qbk::SplitMenuText("Plain", &left, &right, &hasRight);
    EXPECT_EQ(left, "Plain");
    EXPECT_FALSE(hasRight);
}

TEST(MenuRules, CommandIdsKeepClearOfControls)
{
    EXPECT_EQ(qbk::MenuCommandId(20, 3), 0x8314u);
    EXPECT_EQ(qbk::MenuCommandId(255, 127), 0xFFFFu);
    const int refused[][2] = {{256, 0}, {3000, 0}, {5, 128}, {-1, 0}, {5, -1}};
    for (const auto& c : refused) EXPECT_EQ(qbk::MenuCommandId(c[0], c[1]), 0u) << c[0] << " " << c[1];
}

TEST(MenuRules, ColourKeywordsInAnyCase)
{
    EXPECT_EQ(qbk::MenuColourOfKeyword("seltext"), qbk::MenuSelectedTextColour);
    EXPECT_EQ(qbk::MenuColourOfKeyword("Bar"), qbk::MenuBarColour);
    EXPECT_EQ(qbk::MenuColourOfKeyword("TEXTGRAYED"), qbk::MenuGrayedTextColour);
    EXPECT_EQ(qbk::MenuColourOfKeyword("SELBACKX"), -1);
    EXPECT_EQ(qbk::MenuColourOfKeyword(""), -1);
}

}  // namespace
