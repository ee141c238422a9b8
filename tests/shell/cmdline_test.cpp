#include "shell/cmdline.h"

#include "platform/platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Words = std::vector<std::u16string>;

// --- splitting raw argument text -------------------------------------------------------

TEST(ArgumentSplitting, BlanksAndTabsSeparateWords)
{
    EXPECT_EQ(cmdline::splitArguments(u"a.txt\tb.txt c"), (Words{u"a.txt", u"b.txt", u"c"}));
}

TEST(ArgumentSplitting, RunsOfSeparatorsCountAsOne)
{
    EXPECT_EQ(cmdline::splitArguments(u"a \t  \t\tb"), (Words{u"a", u"b"}));
}

TEST(ArgumentSplitting, LeadingAndTrailingSeparatorsMakeNoEmptyWords)
{
    EXPECT_EQ(cmdline::splitArguments(u" \t-about\t "), (Words{u"-about"}));
}

TEST(ArgumentSplitting, PathWithBlanksBecomesSeveralWords)
{
    EXPECT_EQ(cmdline::splitArguments(u"C:\\My Files\\a.txt"), (Words{u"C:\\My", u"Files\\a.txt"}));
}

TEST(ArgumentSplitting, QuotesBelongToTheirWord)
{
    EXPECT_EQ(cmdline::splitArguments(u"\"C:\\My Files\\a.txt\""),
              (Words{u"\"C:\\My", u"Files\\a.txt\""}));
}

TEST(ArgumentSplitting, OtherWhiteSpaceIsPartOfAWord)
{
    EXPECT_EQ(cmdline::splitArguments(u"a\u3000b\nc"), (Words{u"a\u3000b\nc"}));
}

TEST(ArgumentSplitting, StopsAtTheEleventhWord)
{
    const Words words = cmdline::splitArguments(u"1 2 3 4 5 6 7 8 9 10 11 12");
    EXPECT_EQ(words, (Words{u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10"}));
}

TEST(ArgumentSplitting, TenthWordIsKeptWhole)
{
    const Words words = cmdline::splitArguments(u"1 2 3 4 5 6 7 8 9 tenth-word");
    ASSERT_EQ(words.size(), 10u);
    EXPECT_EQ(words.back(), u"tenth-word");
}

TEST(ArgumentSplitting, OnlyBlanksGiveNoWords)
{
    EXPECT_TRUE(cmdline::splitArguments(u" \t \t").empty());
    EXPECT_TRUE(cmdline::splitArguments(u"").empty());
}

// --- the stored words ------------------------------------------------------------------

TEST(ArgumentList, WordsAreIndexedFromOne)
{
    cmdline::setArgs({u"C:\\a.txt", u"-x"});
    EXPECT_EQ(cmdline::ArgCount, 2);
    EXPECT_EQ(cmdline::ArgList, (Words{u"", u"C:\\a.txt", u"-x"}));
}

TEST(ArgumentList, NoWordsLeaveOneEmptyWordAtIndexOne)
{
    cmdline::setArgs({});
    EXPECT_EQ(cmdline::ArgCount, 0);
    EXPECT_EQ(cmdline::ArgList, (Words{u"", u""}));
}

TEST(ArgumentList, EmptyWordsAreDropped)
{
    cmdline::setArgs({u"", u"a", u""});
    EXPECT_EQ(cmdline::ArgCount, 1);
    EXPECT_EQ(cmdline::ArgList, (Words{u"", u"a"}));
}

TEST(ArgumentList, AtMostTenWordsAreKept)
{
    Words words;
    for (int i = 1; i <= 12; ++i)
        words.push_back(u"w" + std::u16string(static_cast<std::size_t>(i), u'x'));
    cmdline::setArgs(words);
    EXPECT_EQ(cmdline::ArgCount, cmdline::MaxArgs);
    ASSERT_EQ(cmdline::ArgList.size(), 11u);
    EXPECT_EQ(cmdline::ArgList[10], words[9]);
}

TEST(ArgumentList, ANewSetReplacesTheOldOne)
{
    cmdline::setArgs({u"a", u"b", u"c"});
    cmdline::setArgs({u"d"});
    EXPECT_EQ(cmdline::ArgCount, 1);
    EXPECT_EQ(cmdline::ArgList, (Words{u"", u"d"}));
}

TEST(ArgumentList, SplitTextOfOnlyBlanksGivesTheEmptyShape)
{
    cmdline::setArgs(cmdline::splitArguments(u"   \t "));
    EXPECT_EQ(cmdline::ArgCount, 0);
    EXPECT_EQ(cmdline::ArgList, (Words{u"", u""}));
}

TEST(ArgumentList, MyGetArgsTakesThePlatformsWords)
{
    if (platform::usesDriveLetters())
        GTEST_SKIP() << "Windows gives the raw command line, not argv (its split is tested in platform_tests)";
    std::string program = "sorvena";
    std::string blank = " \t";
    std::string first = "/tmp/a b.txt";
    std::string second = "-about";
    char *argv[] = {program.data(), blank.data(), first.data(), second.data(), nullptr};
    platform::initArguments(4, argv);
    cmdline::myGetArgs();
    EXPECT_EQ(cmdline::ArgCount, 2);
    EXPECT_EQ(cmdline::ArgList, (Words{u"", u"/tmp/a b.txt", u"-about"}));
}
