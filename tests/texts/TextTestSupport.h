// Helpers shared by the text-table tests.
#pragma once

#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using Texts8 = std::array<const wchar_t*, LANGUAGE_COUNT>;

// Expects row `row` of a row-and-language table to read `expected` in the
// eight languages, both by element number and through TextAt.
template <std::size_t N>
void ExpectRow(const TextTable<N>& table, int row, const Texts8& expected)
{
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        SCOPED_TRACE(testing::Message() << "row " << row << ", language " << language);
        EXPECT_EQ(std::wstring(expected[language]), table[static_cast<std::size_t>(row) * LANGUAGE_COUNT + language]);
        EXPECT_EQ(std::wstring(expected[language]), TextAt(table, row, language));
    }
}

// Expects a row to read `text` in every language.
template <std::size_t N>
void ExpectSameInAll(const TextTable<N>& table, int row, const wchar_t* text)
{
    ExpectRow(table, row, Texts8{text, text, text, text, text, text, text, text});
}
