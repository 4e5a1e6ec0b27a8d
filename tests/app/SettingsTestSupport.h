// Helpers of the settings-file tests: little-endian record builders and readers.
#pragma once
#include "app/SettingsFiles.h"

#include <initializer_list>
#include <string>

inline settings::Bytes Int32Record(std::initializer_list<int> values)
{
    settings::Bytes bytes(values.size() * 4);
    std::size_t offset = 0;
    for (int v : values) {
        settings::WriteInt32(bytes, offset, v);
        offset += 4;
    }
    return bytes;
}

// The UTF-16LE field as the file holds it: the text, then zero units to the field's end.
inline settings::Bytes TextFieldBytes(const std::u16string& text, int units)
{
    settings::Bytes bytes(static_cast<std::size_t>(units) * 2, 0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = static_cast<std::uint8_t>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<std::uint8_t>(text[i] >> 8);
    }
    return bytes;
}

inline settings::Bytes Slice(const settings::Bytes& bytes, std::size_t offset, std::size_t size)
{
    return settings::Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                           bytes.begin() + static_cast<std::ptrdiff_t>(offset + size));
}
