// What the editor's integer fields accept.
#include <gtest/gtest.h>

#include <QString>

#include "editor/integer_text.h"

namespace {

TEST(IntegerText, AcceptsASignedNumberBetweenBlanks)
{
    EXPECT_EQ(ParseIntegerText(u"0"), 0);
    EXPECT_EQ(ParseIntegerText(u" \t150\t "), 150);
    EXPECT_EQ(ParseIntegerText(u"+7"), 7);
    EXPECT_EQ(ParseIntegerText(u"-0"), 0);
    EXPECT_EQ(ParseIntegerText(u"-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseIntegerText(u"2147483647"), INT32_MAX);
    EXPECT_EQ(ParseIntegerText(u"007"), 7);
}

TEST(IntegerText, RefusesEverythingElse)
{
    for (const char16_t* text : {u"", u"  ", u"-", u"+", u"12px", u"1 2", u"1,000", u"1.5", u"0x10",
                                 u"2147483648", u"-2147483649", u"99999999999999999999", u"\u0661\u0662",
                                 u"12\n"})
        EXPECT_FALSE(ParseIntegerText(text).has_value()) << QString::fromUtf16(text).toStdString();
}

}  // namespace
