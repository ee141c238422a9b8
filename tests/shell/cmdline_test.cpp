#include "shell/cmdline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Words = std::vector<std::u16string>;

TEST(ArgumentSplitting, BlanksAndTabsSeparateAQuotedWordRunsToItsClosingQuoteAndEveryWordIsKept)
{
    const struct {
        const char *what;
        std::u16string text;
        Words words;
    } cases[] = {
        {"blanks and tabs", u"a.txt\tb.txt c", {u"a.txt", u"b.txt", u"c"}},
        {"runs count as one", u"a \t  \t\tb", {u"a", u"b"}},
        {"no empty words at the ends", u" \t-about\t ", {u"-about"}},
        {"a path with blanks, unquoted", u"C:\\My Files\\a.txt", {u"C:\\My", u"Files\\a.txt"}},
        {"a quoted path is one word without its quotes", u"\"C:\\ソフト表\\画像 (1).bmp\"",
         {u"C:\\ソフト表\\画像 (1).bmp"}},
        {"quoted and plain words mixed", u"-rename \"C:\\a b\\x.txt\"\tC:\\y.txt \"C:\\c\td\\z.txt\"",
         {u"-rename", u"C:\\a b\\x.txt", u"C:\\y.txt", u"C:\\c\td\\z.txt"}},
        {"a backslash before the closing quote is literal", u"\"D:\\\" \"E:\\\"", {u"D:\\", u"E:\\"}},
        {"a closing quote ends the word", u"\"a b\"c", {u"a b", u"c"}},
        {"an unclosed quote runs to the end", u"x \"C:\\My Files\\a.txt", {u"x", u"C:\\My Files\\a.txt"}},
        {"a quote inside a plain word is a character", u"a\"b c\"", {u"a\"b", u"c\""}},
        {"empty quotes make no word", u"\"\" \"\"-about", {u"-about"}},
        {"other white space is part of a word", u"a\u3000b\nc", {u"a\u3000b\nc"}},
        {"past the tenth", u"1 2 3 4 5 6 7 8 9 \"tenth word\" 11 12",
         {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"tenth word", u"11", u"12"}},
        {"only blanks", u" \t \t", {}},
        {"empty", u"", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cmdline::splitArguments(c.text), c.words) << c.what;
}

// Words the system already split (POSIX) are not split again: a blank or a quote in one
// belongs to it.
TEST(ArgumentSplitting, OnlyRawTextIsSplit)
{
    EXPECT_EQ(cmdline::wordsOf({u"\"C:\\a b.txt\" -x", {}}), (Words{u"C:\\a b.txt", u"-x"}));
    EXPECT_EQ(cmdline::wordsOf({std::nullopt, {u"/tmp/a b.txt", u"\"q\""}}), (Words{u"/tmp/a b.txt", u"\"q\""}));
}

// The stored list keeps index 0 empty and always has an index 1, as the program reads it.
TEST(ArgumentList, HoldsTheNonEmptyWordsFromIndexOne)
{
    Words twelve;
    Words firstTen{u""};
    for (int i = 1; i <= 12; ++i) {
        twelve.push_back(u"w" + std::u16string(static_cast<std::size_t>(i), u'x'));
        if (i <= 10)
            firstTen.push_back(twelve.back());
    }
    const struct {
        const char *what;
        Words words;
        int count;
        Words list;
    } cases[] = {
        {"two words", {u"C:\\a.txt", u"-x"}, 2, {u"", u"C:\\a.txt", u"-x"}},
        {"none", {}, 0, {u"", u""}},
        {"empty words dropped", {u"", u"a", u""}, 1, {u"", u"a"}},
        {"at most ten", twelve, 10, firstTen},
        {"split text of only blanks", cmdline::splitArguments(u"   \t "), 0, {u"", u""}},
    };
    cmdline::setArgs({u"a", u"b", u"c"});  // each set replaces the one before
    for (const auto &c : cases) {
        cmdline::setArgs(c.words);
        EXPECT_EQ(cmdline::ArgCount, c.count) << c.what;
        EXPECT_EQ(cmdline::ArgList, c.list) << c.what;
    }
}
