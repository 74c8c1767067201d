#include "settings/FieldConversion.h"
#include "settings/FieldReader.h"
#include "settings/FieldWriter.h"
#include "settings/TextCodec.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using rukcon::settings::FieldConversion;
using rukcon::settings::FieldReader;
using rukcon::settings::FieldWriter;
using rukcon::settings::TextCodec;

namespace {

using Fields = std::vector<std::string>;

// ---- Code page 932 ------------------------------------------------------------------------

struct CodecCase {
    const char* utf8;
    std::string cp932;
};

class TextCodecRoundTrip : public ::testing::TestWithParam<CodecCase> {};

TEST_P(TextCodecRoundTrip, bothDirections_matchTheCodePageBytes)
{
    EXPECT_EQ(TextCodec::ToCp932(GetParam().utf8), GetParam().cp932);
    EXPECT_EQ(TextCodec::FromCp932(GetParam().cp932), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(KeyNamesAndMarks, TextCodecRoundTrip,
                         ::testing::Values(CodecCase{"128", "128"}, CodecCase{"★", "\x81\x9A"},
                                           CodecCase{"なし", "\x82\xC8\x82\xB5"},
                                           CodecCase{"←→↑↓", "\x81\xA9\x81\xA8\x81\xAA\x81\xAB"},
                                           CodecCase{"R・U・Kコン", "R\x81\x45U\x81\x45K\x83\x52\x83\x93"},
                                           CodecCase{"ｶﾞ", "\xB6\xDE"}, CodecCase{"～", "\x81\x60"},
                                           CodecCase{"①", "\x87\x40"}, CodecCase{"表", "\x95\x5C"},
                                           CodecCase{"C:\\x~", "C:\\x~"}));

struct OneWayCase {
    std::string input;
    std::string expected;
};

class TextCodecUnencodable : public ::testing::TestWithParam<OneWayCase> {};

// Each character that code page 932 lacks costs one "?", never the text around it.
TEST_P(TextCodecUnencodable, toCp932_questionMarkPerCharacter)
{
    EXPECT_EQ(TextCodec::ToCp932(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Emoji, TextCodecUnencodable,
                         ::testing::Values(OneWayCase{"a😀b", "a?b"}, OneWayCase{"😀😀", "??"}, OneWayCase{"café", "caf?"},
                                           OneWayCase{"ゲーム🎮です", "\x83\x51\x81\x5B\x83\x80?\x82\xC5\x82\xB7"},
                                           OneWayCase{"x\xE3\x81", "x?"},      // cut UTF-8 sequence
                                           OneWayCase{"\xFF\xFEok", "??ok"})); // bytes that are not UTF-8

class TextCodecInvalidBytes : public ::testing::TestWithParam<OneWayCase> {};

// Bytes that are not code page 932 read as U+FFFD, one per byte, and what follows survives.
TEST_P(TextCodecInvalidBytes, fromCp932_replacementCharacter)
{
    EXPECT_EQ(TextCodec::FromCp932(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Broken, TextCodecInvalidBytes,
                         ::testing::Values(OneWayCase{"a\x82", "a\xEF\xBF\xBD"},               // lone lead byte
                                           OneWayCase{"\x82 x", "\xEF\xBF\xBD x"},             // lead + blank
                                           OneWayCase{"\xA0\xFD", "\xEF\xBF\xBD\xEF\xBF\xBD"}, //
                                           OneWayCase{"\x82\xA0\xFD\x82\xA0", "あ\xEF\xBF\xBDあ"}));

// ---- Reading fields ---------------------------------------------------------------------

struct ParseCase {
    const char* name;
    std::string input;
    Fields expected;
};

class FieldParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(FieldParse, parse_yieldsFields)
{
    EXPECT_EQ(FieldReader::Parse(GetParam().input, 1000), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Format, FieldParse,
    ::testing::Values(
        ParseCase{"empty", "", {}}, ParseCase{"oneLine", "\"a\"\r\n", {"a"}},
        ParseCase{"twoLines", "\"a\"\r\n\"b\"\r\n", {"a", "b"}}, ParseCase{"emptyFields", "\"\"\r\n\"\"\r\n", {"", ""}},
        ParseCase{"noFinalLineEnd", "\"x\"", {"x"}}, ParseCase{"bareLineEnds", "x\ny\rz", {"x", "y", "z"}},
        ParseCase{"blankLine", "\r\n", {""}}, ParseCase{"quoteInside", "\"ab\"cd\"\r\n", {"ab\"cd"}},
        ParseCase{"quoteAtEnd", "\"ab\"\"\r\n", {"ab\""}}, ParseCase{"onlyAQuote", "\"\"\"\r\n", {"\""}},
        ParseCase{"quotedPair", "\"a\",\"b\"\r\n", {"a", "b"}},
        ParseCase{"quotedPairWithBlanks", "\"a\"  ,  \"b\"  \r\n", {"a", "b"}},
        ParseCase{"commaInQuotes", "\"a,b\"\r\n", {"a,b"}}, ParseCase{"blanksInQuotesKept", "\"  x  \"\r\n", {"  x  "}},
        ParseCase{"unquotedList", "a, b ,c\r\n", {"a", "b", "c"}}, ParseCase{"unquotedTrimmed", "  x\t \r\n", {"x"}},
        ParseCase{"trailingComma", "a,\r\n", {"a", ""}},
        ParseCase{"unclosedQuoteTakesLine", "\"open\r\n\"next\"\r\n", {"open", "next"}},
        ParseCase{"doubleByteText", "\"\x82\xA0\x82\xA2\"\r\n", {"あい"}},
        // 0x5C is the second byte of 表: must not be taken for anything special.
        ParseCase{"trailByteLikeBackslash", "\"\x95\x5C\"\r\n", {"表"}},
        ParseCase{"doubledQuotes", "=\"say \"\"hi\"\", ok\"\r\n  =\"\"\"\"\r\n", {"say \"hi\", ok", "\""}},
        ParseCase{"doubledQuotesNeverClosed", "=\"a\"\"b\r\nc\r\n", {"a\"b", "c"}},
        // Lines an earlier version wrote for values with a quote keep their reading, spill and all.
        ParseCase{"earlierQuoteCommaSpill", "\"x\", =\"y\"\r\n\"z\"\r\n", {"x", "=\"y\"", "z"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Writing fields ---------------------------------------------------------------------

TEST(FieldWriter, format_quotedCrLfCodePage932)
{
    const Fields values{"128", "なし", "", "a,b"};
    EXPECT_EQ(FieldWriter::Format(values), "\"128\"\r\n\"\x82\xC8\x82\xB5\"\r\n\"\"\r\n\"a,b\"\r\n");
}

// Other readers know only "value": it is written whenever it reads back the same, and ="…" only
// where a quote followed by blanks and a comma would end the value early.
TEST(FieldWriter, format_plainFormUnlessAQuoteBlanksAndCommaWouldSplit)
{
    const Fields plain{"ab\"cd", "\"", "\"\"", "a\" b,c", "a,\"b", "x\" ", "say \"hi\"", "=\"x\"", "\"\t"};
    const Fields doubled{"a\",b", "a\" ,b", "a\"\t ,b", "\",", "He said \"hi\", ok", "x\"\"  ,"};
    for (const std::string& value : plain) {
        EXPECT_EQ(FieldWriter::Format(Fields{value}), "\"" + value + "\"\r\n") << value;
        EXPECT_EQ(FieldReader::Parse(FieldWriter::Format(Fields{value, "next"}), 100), (Fields{value, "next"}))
            << value;
    }
    for (const std::string& value : doubled) {
        EXPECT_EQ(FieldWriter::Format(Fields{value}).substr(0, 2), "=\"") << value;
        EXPECT_EQ(FieldReader::Parse(FieldWriter::Format(Fields{value, "next"}), 100), (Fields{value, "next"}))
            << value;
    }
    EXPECT_EQ(FieldWriter::Format(Fields{"a\" ,b"}), "=\"a\"\" ,b\"\r\n");
}

TEST(FieldWriter, format_lineBreakInValue_keepsOneLinePerField)
{
    const Fields values{"x\r\ny", "z"};
    const Fields back = FieldReader::Parse(FieldWriter::Format(values), 100);
    EXPECT_EQ(back, (Fields{"x  y", "z"}));
}

class FieldRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(FieldRoundTrip, writeThenRead_sameValue)
{
    const Fields values{GetParam(), "next"};
    EXPECT_EQ(FieldReader::Parse(FieldWriter::Format(values), 100), values);
}

INSTANTIATE_TEST_SUITE_P(Values, FieldRoundTrip,
                         ::testing::Values("", "a,b", ",", "ab\"cd", "\"quoted\"", "say \"hi\" now", "\"", "  blanks  ",
                                           "He said \"hi\", ok", "\"a\", \"b\"", "=\"x\"", "=", "\" , ", "テンキーの*",
                                           "全角/半角", "メモ帳 - 無題", "C:\\Program Files\\x"));

// ---- Converting fields ------------------------------------------------------------------

struct IntegerCase {
    const char* text;
    std::optional<int> expected;
};

class FieldInteger : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(FieldInteger, toInteger)
{
    EXPECT_EQ(FieldConversion::ToInteger(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, FieldInteger,
                         ::testing::Values(IntegerCase{"128", 128}, IntegerCase{" 42 ", 42}, IntegerCase{"-5", -5},
                                           IntegerCase{"+7", 7}, IntegerCase{"", std::nullopt},
                                           IntegerCase{"abc", std::nullopt}, IntegerCase{"12a", std::nullopt},
                                           IntegerCase{"1.5", std::nullopt}, IntegerCase{"-", std::nullopt},
                                           IntegerCase{"+-5", std::nullopt}, IntegerCase{"99999999999", std::nullopt}));

struct BooleanCase {
    const char* text;
    std::optional<bool> expected;
};

class FieldBoolean : public ::testing::TestWithParam<BooleanCase> {};

TEST_P(FieldBoolean, toBoolean)
{
    EXPECT_EQ(FieldConversion::ToBoolean(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, FieldBoolean,
                         ::testing::Values(BooleanCase{"True", true}, BooleanCase{"False", false},
                                           BooleanCase{"true", true}, BooleanCase{"FALSE", false},
                                           BooleanCase{"0", false}, BooleanCase{"-1", true},
                                           BooleanCase{"yes", std::nullopt}, BooleanCase{"", std::nullopt}));

} // namespace
