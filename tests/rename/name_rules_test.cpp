#include "rename/name_rules.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace renamer;

TEST(CaseMapping, ChangesLettersOfEveryScriptThatHasCaseAndNothingElse)
{
    EXPECT_EQ(lowerCase(u"README.TXT"), u"readme.txt");
    EXPECT_EQ(upperCase(u"readme.txt"), u"README.TXT");
    EXPECT_EQ(lowerCase(u"ＡＢＣ.Txt"), u"ａｂｃ.txt");
    EXPECT_EQ(upperCase(u"ａｂｃ"), u"ＡＢＣ");
    EXPECT_EQ(lowerCase(u"ÀÉÎÕÜ ΑΩ ДЯ Ё"), u"àéîõü αω дя ё");
    EXPECT_EQ(upperCase(u"àéîõü αω дя ё"), u"ÀÉÎÕÜ ΑΩ ДЯ Ё");
    EXPECT_EQ(lowerCase(u"ŁĄŻŹĆ Ÿ Ⅻ Ⓐ"), u"łążźć ÿ ⅻ ⓐ");
    EXPECT_EQ(upperCase(u"łążźć ÿ ⅻ ⓐ"), u"ŁĄŻŹĆ Ÿ Ⅻ Ⓐ");
}

TEST(CaseMapping, LeavesKanaKanjiDigitsAndSignsAlone)
{
    const std::u16string text = u"写真ひらがなカタカナｶﾀｶﾅ123_-×÷ß";
    EXPECT_EQ(lowerCase(text), text);
    EXPECT_EQ(upperCase(text), text);
}

TEST(NumberText, IsReadFromItsStartSkippingBlanksTabsAndLineFeeds)
{
    EXPECT_EQ(leadingNumberValue(u"001"), 1.0);
    EXPECT_EQ(leadingNumberValue(u" 1 2\t3\n"), 123.0);
    EXPECT_EQ(leadingNumberValue(u"12abc"), 12.0);
    EXPECT_EQ(leadingNumberValue(u"-2"), -2.0);
    EXPECT_EQ(leadingNumberValue(u"+7"), 7.0);
    EXPECT_EQ(leadingNumberValue(u"2.5.1"), 2.5);
    EXPECT_EQ(leadingNumberValue(u"1e3x"), 1000.0);
    EXPECT_EQ(leadingNumberValue(u"4E-1"), 0.4);
    EXPECT_EQ(leadingNumberValue(u"5e"), 5.0);
}

TEST(NumberText, WithoutALeadingNumberIsWorthZero)
{
    EXPECT_EQ(leadingNumberValue(u""), 0.0);
    EXPECT_EQ(leadingNumberValue(u"abc"), 0.0);
    EXPECT_EQ(leadingNumberValue(u"."), 0.0);
    EXPECT_EQ(leadingNumberValue(u"-"), 0.0);
    EXPECT_EQ(leadingNumberValue(u"１２"), 0.0);  // full-width digits are no digits here
}

TEST(NumberText, FarBeyondAnyCounterComesBackInfinite)
{
    EXPECT_TRUE(std::isinf(leadingNumberValue(u"1e999")));
    EXPECT_TRUE(std::isinf(leadingNumberValue(u"-" + std::u16string(400, u'9'))));
    EXPECT_EQ(leadingNumberValue(u"1e-999"), 0.0);
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
