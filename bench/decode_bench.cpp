// Whole-memory decoding and the memory dump on a full 128 KB station memory.
//
//   decode_bench                       decoder only: split + decode of the whole memory, the dump file,
//                                      and the re-decode that every range read runs
//   decode_bench --image <path>        also writes the benchmark image to <path> (a file USB.dll serves)
//   USB_EMULATOR=<path> decode_bench   also times the station link's ReadWholeMemory and
//                                      ReadMemoryRange(16, 48) against the emulated station
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/usb/StationImage.h"
#include "station/DataDecode.h"
#include "station/SystemKV318.h"

using namespace stationimage;

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Every one of the 3442 slots holds a record, five minutes apart; the ring has wrapped (index 1200).
Image FullImage()
{
    Image image = MakeEmptyImage();
    const int slots = SlotCountOfSizeCode(SIZE_CODE_128K);
    const int index = 1200;
    SetMemoryInfo(image, SIZE_CODE_128K, index, 1);
    const int64_t newest = ToMinutes(StationTime{2011, 7, 14, 9, 35, 0});
    std::vector<int> years;
    for (int k = 0; k < slots; ++k) {
        WeatherReading r = TypicalReading();
        r.time = FromMinutes(newest - 5 * k);
        r.indoorTemperature = Val(18.0 + (k % 100) * 0.05);
        r.rainCounter = 5000 - k % 5000;
        r.windDirection = k % 16;
        const int slot = ((index - 1 - k) % slots + slots) % slots;
        WriteHistoryRecord(image, slot, r);
        if (k < 25)
            years.push_back(r.time.year);
    }
    SetRecordYears(image, years, 2011);
    FixSettingsChecksums(image);
    return image;
}

std::string TempFile(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

std::string ReadFile(const std::string& path)
{
    std::string text;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[65536];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            text.append(buffer, n);
        std::fclose(file);
    }
    return text;
}

// The dump without its first line (the time of writing).
std::string WithoutFirstLine(const std::string& text)
{
    const size_t end = text.find('\n');
    return end == std::string::npos ? std::string() : text.substr(end + 1);
}

} // namespace

int main(int argc, char** argv)
{
    const Image image = FullImage();
    if (argc == 3 && std::strcmp(argv[1], "--image") == 0) {
        const std::string path = argv[2];
        WriteImageFile(std::wstring(path.begin(), path.end()), image, nullptr);
        std::printf("image written to %s\n", path.c_str());
    }

    Clock::time_point t = Clock::now();
    auto decoder = std::make_unique<CDataDecode>();
    std::printf("decoder construction (131072 entries):          %8.1f ms\n", MsSince(t));

    const int size = 0x20000;
    decoder->m_stationMemorySize = size;
    t = Clock::now();
    for (int a = 0; a < size; a += STATION_BLOCK_SIZE)
        decoder->SplitMemoryBlock(image.data() + a, a);
    const double splitMs = MsSince(t);
    t = Clock::now();
    decoder->DecodeSettingsArea();
    const double decodeMs = MsSince(t);
    std::printf("split of 4096 blocks:                            %8.1f ms\n", splitMs);
    std::printf("settings area + 3442 slots + years + checksums:  %8.1f ms\n", decodeMs);

    const std::string dumpPath = TempFile("orvelle_decode_bench.csv");
    t = Clock::now();
    const bool written = decoder->WriteMemoryDump(std::wstring(dumpPath.begin(), dumpPath.end()));
    const double dumpMs = MsSince(t);
    std::printf("all_weather.csv (%s):                            %8.1f ms\n", written ? "ok" : "FAILED", dumpMs);
    std::printf("whole memory: split + decode + dump:             %8.1f ms\n", splitMs + decodeMs + dumpMs);
    const std::string decoderDump = WithoutFirstLine(ReadFile(dumpPath));
    std::remove(dumpPath.c_str());

    // What a range read does besides the transfers: split its blocks, decode the whole memory again.
    const int runs = 20;
    double worst = 0, total = 0;
    for (int i = 0; i < runs; ++i) {
        t = Clock::now();
        decoder->SplitMemoryBlock(image.data() + 16, 16);
        decoder->SplitMemoryBlock(image.data() + 48, 48);
        decoder->DecodeSettingsArea();
        const double ms = MsSince(t);
        total += ms;
        worst = ms > worst ? ms : worst;
    }
    std::printf("range read re-decode (2 blocks), mean of %d:     %8.1f ms (worst %.1f ms)\n", runs, total / runs,
                worst);

    if (std::getenv("USB_EMULATOR")) {
        t = Clock::now();
        const bool whole = g_systemKV318.ReadWholeMemory();
        std::printf("link ReadWholeMemory (%s):                      %8.1f ms\n", whole ? "ok" : "FAILED", MsSince(t));
        const std::string linkPath = TempFile("orvelle_decode_bench_link.csv");
        g_systemKV318.WriteMemoryDump(std::wstring(linkPath.begin(), linkPath.end()));
        const std::string linkDump = WithoutFirstLine(ReadFile(linkPath));
        std::remove(linkPath.c_str());
        std::printf("link dump equals the decoder's dump:             %s\n", linkDump == decoderDump ? "yes" : "NO");
        t = Clock::now();
        const bool range = g_systemKV318.ReadMemoryRange(16, 48);
        std::printf("link ReadMemoryRange(16, 48) (%s):              %8.1f ms\n", range ? "ok" : "FAILED", MsSince(t));
    }
    return 0;
}
