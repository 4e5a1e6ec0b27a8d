// Compile-time assembly of the text tables (used only by the table sources).
//
// Each table is written as rows of eight texts in language order. A text that
// our translators supplied is written SUP in the table's own source and given
// in SuppliedTexts.h as a SuppliedRow: the row number, the English text (which
// must match the table's English text of that row) and the seven translations,
// with SUP where the table source already holds the language's text.
// BuildTable merges the two at compile time and refuses to compile when a text
// is missing, given twice, or a supplied row names the wrong English text.
#pragma once

#include "texts/TextTables.h"

#include <cstddef>

namespace texts_build {

struct Row {
    const wchar_t* text[LANGUAGE_COUNT];
};

struct SuppliedRow {
    int row;
    const wchar_t* text[LANGUAGE_COUNT];  // [0] the English text it translates
};

// A table text that comes from SuppliedTexts.h (or, there, a text that the
// table source already holds).
#define SUP nullptr
// One text in all eight languages.
#define SAME8(t) {{t, t, t, t, t, t, t, t}}
// English given here, the seven translations supplied.
#define EN_ONLY(t) {{t, SUP, SUP, SUP, SUP, SUP, SUP, SUP}}
// Eight texts in language order.
#define ROW8(en, de, fr, it, es, nl, ru, pl) {{en, de, fr, it, es, nl, ru, pl}}

// Raised (at compile time) when the tables are inconsistent.
struct TableError {
    const char* what;
};

constexpr bool SameText(const wchar_t* a, const wchar_t* b)
{
    if (a == nullptr || b == nullptr)
        return a == b;
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

template <std::size_t R>
constexpr TextTable<R * LANGUAGE_COUNT> Flatten(const Row (&given)[R])
{
    TextTable<R * LANGUAGE_COUNT> table{};
    for (std::size_t r = 0; r < R; ++r)
        for (int l = 0; l < LANGUAGE_COUNT; ++l)
            table[r * LANGUAGE_COUNT + l] = given[r].text[l];
    return table;
}

template <std::size_t N>
constexpr void RequireComplete(const TextTable<N>& table)
{
    for (std::size_t e = 0; e < N; ++e)
        if (table[e] == nullptr)
            throw TableError{"text neither given nor supplied"};
}

// A table whose every text is given in its source.
template <std::size_t R>
constexpr TextTable<R * LANGUAGE_COUNT> BuildTable(const Row (&given)[R])
{
    TextTable<R * LANGUAGE_COUNT> table = Flatten(given);
    RequireComplete(table);
    return table;
}

// A table with supplied translations merged in.
template <std::size_t R, std::size_t S>
constexpr TextTable<R * LANGUAGE_COUNT> BuildTable(const Row (&given)[R], const SuppliedRow (&supplied)[S])
{
    TextTable<R * LANGUAGE_COUNT> table = Flatten(given);
    for (std::size_t s = 0; s < S; ++s) {
        const SuppliedRow& row = supplied[s];
        if (row.row < 0 || static_cast<std::size_t>(row.row) >= R)
            throw TableError{"supplied row outside the table"};
        if (!SameText(row.text[0], given[row.row].text[0]))
            throw TableError{"supplied row translates another English text"};
        for (int l = 1; l < LANGUAGE_COUNT; ++l) {
            const wchar_t*& slot = table[static_cast<std::size_t>(row.row) * LANGUAGE_COUNT + l];
            if (row.text[l] == nullptr)
                continue;
            if (slot != nullptr)
                throw TableError{"text both given and supplied"};
            slot = row.text[l];
        }
    }
    RequireComplete(table);
    return table;
}

// Column `language` of a row-and-language table: one per-language array.
template <std::size_t N>
constexpr TextTable<N / LANGUAGE_COUNT> Column(const TextTable<N>& table, int language)
{
    TextTable<N / LANGUAGE_COUNT> column{};
    for (std::size_t r = 0; r < N / LANGUAGE_COUNT; ++r)
        column[r] = table[r * LANGUAGE_COUNT + static_cast<std::size_t>(language)];
    return column;
}

}  // namespace texts_build
