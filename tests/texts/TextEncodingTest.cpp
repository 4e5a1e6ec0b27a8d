#include "texts/TextEncoding.h"

#include <gtest/gtest.h>

TEST(TextEncoding, Utf8OfEveryKindOfCharacter)
{
    EXPECT_EQ(Utf8(L"\u00B0C \u0414"), "\xC2\xB0" "C \xD0\x94");
    EXPECT_EQ(Utf8(L"Pr\u00E9vision \u65E5"), "Pr\xC3\xA9vision \xE6\x97\xA5");
    // A character beyond the first 65536 comes as a pair of halves and leaves as four bytes.
    EXPECT_EQ(Utf8(L"\U0001F327"), "\xF0\x9F\x8C\xA7");
    // A text with a zero inside keeps what follows it.
    EXPECT_EQ(Utf8(std::wstring(L"a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(Utf8(std::wstring()), "");
    EXPECT_EQ(Utf8(static_cast<const wchar_t*>(nullptr)), "");
}
