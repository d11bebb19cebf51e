#include <gtest/gtest.h>

#include <string>

#include "platform/vcl/core/SysUtils.h"

// Numbers written through format strings and read back, the locale's separators, and the
// strict conversions of typed text.
namespace {

const TFormatSettings kDot{'.', ','};
const TFormatSettings kComma{',', '.'};

struct FormatCase {
    const char* format;
    double value;
    const char* expected;
};

TEST(FloatFormat, FormatFloatWritesEachPlaceholderAndSection) {
    const FormatCase cases[] = {
        {"0.00", 12, "12.00"},
        {"0.00", 0, "0.00"},
        {"0.00", -3.456, "-3.46"},
        {"0.00", -0.001, "0.00"},  // no minus on a value that rounds to zero
        {"#.##", 0.5, ".5"},
        {"#.##", 2, "2"},
        {"0.##", 1.25, "1.25"},
        {"0.0#", 1.5, "1.5"},
        {"000", 7, "007"},
        {"#,##0", 1234567, "1,234,567"},
        {"#,##0.00", 999.999, "1,000.00"},
        {"0", 2.5, "3"},
        {"0.00 kg", 4, "4.00 kg"},
        {"'n='0", 3, "n=3"},
        {"0.00;(0.00)", -2, "(2.00)"},
        {"0.00;(0.00)", 2, "2.00"},
        {"0.00;;'zero'", 0, "zero"},
        {"0.00;-0.00;'nil'", 0.001, "nil"},
        {"0.00;", -1, "-1.00"},  // an empty negative section falls back to the first
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.0E-0", 0.00012, "1.2E-4"},
        {"", 1.5, "1.5"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " of " + std::to_string(c.value));
        EXPECT_EQ(FormatFloat(c.format, c.value, kDot), c.expected);
    }
}

TEST(FloatFormat, TheLocaleSeparatorsAreWrittenAndRead) {
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, kComma), "1.234,50");
    EXPECT_DOUBLE_EQ(StrToFloat("12,5", kComma), 12.5);
    double value = 0;
    EXPECT_FALSE(TryStrToFloat("12.5", value, kComma)) << "the other separator is no decimal point";
    EXPECT_DOUBLE_EQ(StrToFormattedFloat("1.234,50", "#,##0.00", kComma), 1234.5);
}

TEST(FloatFormat, FormattedTextReadsBackThroughItsSection) {
    const FormatCase cases[] = {
        {"0.00 kg", 12, "12.00 kg"}, {"0.00;(0.00)", -12.5, "(12.50)"},
        {"0.00;(0.00)", 7, "7.00"},   {"'$'#,##0.00", 1234.5, "$1,234.50"},
        {"0.00;-0.00;'nil'", 0, "nil"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.format);
        const std::string text = FormatFloat(c.format, c.value, kDot);
        if (std::string(c.format).find("nil") != std::string::npos) continue;  // no number in it
        EXPECT_EQ(text, c.expected);
        EXPECT_DOUBLE_EQ(StrToFormattedFloat(text, c.format, kDot), c.value);
    }
    EXPECT_DOUBLE_EQ(StrToFormattedFloat(" 12 ", "0.00 kg", kDot), 12);
    EXPECT_THROW(StrToFormattedFloat("twelve kg", "0.00 kg", kDot), EConvertError);
    EXPECT_THROW(StrToFormattedFloat(".", "0.00", kDot), EConvertError);
    EXPECT_THROW(StrToFormattedFloat("", "0.00", kDot), EConvertError);
}

TEST(FloatFormat, StrToFloatTakesOnlyDecimalNumbers) {
    const char* bad[] = {"", " ", ".", "-", "+-1", "1e", "inf", "nan", "0x10", "1 2", "1,5", "$5"};
    for (const char* text : bad) {
        double value = 0;
        EXPECT_FALSE(TryStrToFloat(text, value, kDot)) << text;
    }
    EXPECT_DOUBLE_EQ(StrToFloat(" -1.5e2 ", kDot), -150);
    EXPECT_DOUBLE_EQ(StrToFloat("+.5", kDot), 0.5);
}

TEST(FloatFormat, TryStrToInt32IsDecimalAndInRange) {
    struct Case {
        const char* text;
        bool ok;
        std::int32_t value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {"-5", true, -5},
        {"+120", true, 120},
        {"2147483647", true, INT32_MAX},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"$10", false, 0},
        {"0x10", false, 0},
        {"1.0", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {" 1", false, 0},
    };
    for (const Case& c : cases) {
        std::int32_t value = 0;
        EXPECT_EQ(TryStrToInt32(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(FloatFormat, TrimTakesBlanksAndControlCharactersOff) {
    EXPECT_EQ(Trim("  a b\t\r\n"), "a b");
    EXPECT_EQ(Trim("\x01x\x1f"), "x");
    EXPECT_EQ(Trim("   "), "");
}

}  // namespace
