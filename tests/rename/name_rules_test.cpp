#include "rename/name_rules.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace renamer;

// Letters of every script that has case change; kana, kanji, digits and signs do not.
TEST(CaseMapping, ChangesLettersOfEveryScriptThatHasCaseAndNothingElse)
{
    const struct {
        std::u16string lower, upper;
    } cases[] = {
        {u"readme.txt", u"README.TXT"},
        {u"ａｂｃ.txt", u"ＡＢＣ.TXT"},
        {u"àéîõü αω дя ё", u"ÀÉÎÕÜ ΑΩ ДЯ Ё"},
        {u"łążźć ÿ ⅻ ⓐ", u"ŁĄŻŹĆ Ÿ Ⅻ Ⓐ"},
        {u"写真ひらがなカタカナｶﾀｶﾅ123_-×÷ß", u"写真ひらがなカタカナｶﾀｶﾅ123_-×÷ß"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(lowerCase(c.upper), c.lower);
        EXPECT_EQ(upperCase(c.lower), c.upper);
    }
}

TEST(NumberText, IsReadFromItsStartSkippingBlanksTabsAndLineFeeds)
{
    const std::pair<std::u16string, double> cases[] = {
        {u"001", 1.0},  {u" 1 2\t3\n", 123.0}, {u"12abc", 12.0}, {u"-2", -2.0}, {u"+7", 7.0},
        {u"2.5.1", 2.5}, {u"1e3x", 1000.0},    {u"4E-1", 0.4},   {u"5e", 5.0},  {u"", 0.0},
        {u"abc", 0.0},  {u".", 0.0},           {u"-", 0.0},      {u"1e-999", 0.0},
        {u"１２", 0.0},  // full-width digits are no digits here
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(leadingNumberValue(text), value) << std::string(text.begin(), text.end());
    EXPECT_TRUE(std::isinf(leadingNumberValue(u"1e999")));
    EXPECT_TRUE(std::isinf(leadingNumberValue(u"-" + std::u16string(400, u'9'))));
}

TEST(SequenceNumbers, AreZeroFilledToTheWidthAndNeverCut)
{
    EXPECT_EQ(sequenceNumber(1, 3), u"001");
    EXPECT_EQ(sequenceNumber(1000, 3), u"1000");
    EXPECT_EQ(sequenceNumber(7, 0), u"7");
    EXPECT_EQ(sequenceNumber(-2, 2), u"-02");
    EXPECT_EQ(sequenceNumber(0, 2), u"00");
    EXPECT_EQ(sequenceNumber(-32768, 1), u"-32768");
}

TEST(SequenceHead, TakesTwoUnitsWithoutSplittingACharacter)
{
    EXPECT_EQ(headOf(u"photo"), u"ph");
    EXPECT_EQ(headOf(u"p"), u"p");
    EXPECT_EQ(headOf(u""), u"");
    EXPECT_EQ(headOf(u"写真集"), u"写真");
    EXPECT_EQ(headOf(u"a\U0001F4F7b"), u"a\U0001F4F7");
    EXPECT_EQ(headOf(u"\U0001F4F7b"), u"\U0001F4F7");
}

TEST(EngineExtension, IsProposedOnlyWhenItDiffersBeyondLetterCase)
{
    EXPECT_EQ(withEngineExtension(u"a", u"dat", u"jpg"), u"a.jpg");
    EXPECT_EQ(withEngineExtension(u"readme", u"", u"txt"), u"readme.txt");
    EXPECT_FALSE(withEngineExtension(u"b", u"JPG", u"jpg"));
    EXPECT_FALSE(withEngineExtension(u"b", u"jpg", u""));
}
