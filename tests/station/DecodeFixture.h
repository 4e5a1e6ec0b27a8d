// Loads a memory image into a decoder of its own as a whole-memory read does: every 32-byte block
// below the memory size is split, then the settings area and every slot are decoded.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/usb/StationImage.h"
#include "station/DataDecode.h"

namespace decodetest {

inline std::unique_ptr<CDataDecode> MakeDecoder()
{
    return std::make_unique<CDataDecode>();
}

// Splits image[0 .. memorySize) block by block and runs the settings decode.
inline void LoadImage(CDataDecode& decoder, const std::vector<uint8_t>& image, int memorySize)
{
    decoder.m_stationMemorySize = memorySize;
    for (int a = 0; a < memorySize; a += STATION_BLOCK_SIZE)
        decoder.SplitMemoryBlock(image.data() + a, a);
    decoder.DecodeSettingsArea();
}

inline std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// Value text k of an address, narrow.
inline std::string Text(const CDataDecode& decoder, int address, int field = 0)
{
    return Narrow(decoder.ValueTextAt(address, field));
}

} // namespace decodetest
