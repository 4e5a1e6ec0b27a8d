// The fields of one decoder entry, kept without a heap allocation until a text is written: the
// decoder holds an entry for each of the station's 131072 addresses and builds them all at start,
// while most entries' texts are never written (hex forms are formed when asked for).
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

constexpr size_t MAX_ENTRY_FIELDS = 8;   // a byte cuts into at most 8 fields

// Up to MAX_ENTRY_FIELDS field values held in the entry itself.
class FieldValues {
public:
    // `count` values set to `value` (a count above MAX_ENTRY_FIELDS keeps MAX_ENTRY_FIELDS).
    void assign(size_t count, int32_t value)
    {
        m_count = static_cast<uint8_t>(std::min(count, MAX_ENTRY_FIELDS));
        std::fill_n(m_values, MAX_ENTRY_FIELDS, 0);
        std::fill_n(m_values, m_count, value);
    }
    size_t size() const { return m_count; }
    int32_t& operator[](size_t k) { return m_values[k]; }
    const int32_t& operator[](size_t k) const { return m_values[k]; }

private:
    int32_t m_values[MAX_ENTRY_FIELDS] = {};
    uint8_t m_count = 0;
};

// One text per field; the texts take memory once one of them is written (read before that, each
// is empty).
class FieldTexts {
public:
    FieldTexts() = default;
    FieldTexts(const FieldTexts& other) : m_count(other.m_count)
    {
        if (other.m_texts) {
            Allocate();
            std::copy(other.begin(), other.end(), m_texts.get());
        }
    }
    FieldTexts(FieldTexts&&) noexcept = default;
    FieldTexts& operator=(const FieldTexts& other)
    {
        if (this != &other)
            *this = FieldTexts(other);
        return *this;
    }
    FieldTexts& operator=(FieldTexts&&) noexcept = default;

    // `count` texts equal to `text` (a count above MAX_ENTRY_FIELDS keeps MAX_ENTRY_FIELDS).
    void assign(size_t count, const std::wstring& text)
    {
        m_count = static_cast<uint8_t>(std::min(count, MAX_ENTRY_FIELDS));
        m_texts.reset();
        if (!text.empty()) {
            Allocate();
            std::fill_n(m_texts.get(), m_count, text);
        }
    }
    size_t size() const { return m_count; }
    std::wstring& operator[](size_t k) { return Texts()[k]; }
    const std::wstring& operator[](size_t k) const { return begin()[k]; }
    std::wstring* begin() { return Texts(); }
    std::wstring* end() { return Texts() + m_count; }
    const std::wstring* begin() const { return m_texts ? m_texts.get() : NoTexts(); }
    const std::wstring* end() const { return begin() + m_count; }

private:
    std::wstring* Texts()
    {
        if (!m_texts)
            Allocate();
        return m_texts.get();
    }
    void Allocate() { m_texts.reset(new std::wstring[m_count]); }
    static const std::wstring* NoTexts()
    {
        static const std::wstring none[MAX_ENTRY_FIELDS];
        return none;
    }

    std::unique_ptr<std::wstring[]> m_texts;
    uint8_t m_count = 0;
};
