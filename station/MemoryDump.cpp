// "all_weather.csv": the decoded settings header and every history record, newest first.
#include <cstdio>
#include <initializer_list>
#include <ctime>
#include <string>

#include "station/DataDecode.h"
#include "station/DecodeText.h"
#include "station/FileWrites.h"

namespace {

struct FieldRef { int address; int field; };

// The 25 header lines after the time line: value texts by address and field.
const std::initializer_list<FieldRef> kHeaderLines[25] = {
    {{4, 0}, {5, 0}, {2, 0}, {5, 1}, {3, 0}, {0, 0}, {0, 1}},
    {{2, 1}, {14, 1}, {14, 0}, {12, 1}, {12, 0}, {10, 3}, {13, 0}, {10, 4}, {10, 1}, {8, 0}, {9, 0}, {10, 0},
     {6, 0}, {7, 0}, {10, 2}},
    {{16, 0}, {17, 0}, {18, 0}, {19, 0}, {20, 0}, {20, 1}},
    {{16, 2}, {16, 1}, {18, 1}},
    {{28, 0}, {26, 3}, {29, 0}, {26, 4}, {26, 1}, {24, 0}, {25, 0}, {26, 0}, {22, 0}, {23, 0}, {26, 2}},
    {{31, 0}, {33, 0}, {36, 0}, {38, 0}, {40, 0}, {41, 0}},
    {{42, 0}, {44, 0}, {46, 0}, {47, 0}},
    {{48, 0}, {50, 0}, {52, 0}, {53, 0}},
    {{54, 0}, {56, 0}, {58, 0}, {59, 0}},
    {{60, 0}, {62, 0}, {65, 0}, {66, 0}},
    {{67, 0}, {69, 0}, {71, 0}, {72, 0}},
    {{73, 3}, {73, 2}, {73, 1}, {73, 0}},
    {{74, 3}, {74, 2}, {74, 1}, {74, 0}},
    {{75, 3}, {75, 2}, {75, 1}, {75, 0}},
    {{76, 0}, {76, 1}, {76, 2}, {76, 3}, {76, 4}, {76, 5}, {76, 6}, {76, 7}},
    {{77, 0}, {78, 0}, {80, 0}, {81, 0}, {83, 0}, {84, 0}, {86, 0}, {87, 0}},
    {{90, 0}, {96, 0}, {97, 0}, {96, 1}, {98, 0}, {99, 0}},
    {{100, 0}, {102, 0}, {104, 0}, {106, 0}, {108, 0}, {110, 0}, {112, 0}},
    {{114, 0}, {116, 0}, {118, 0}, {120, 0}, {122, 0}, {125, 0}, {127, 0}},
    {{129, 0}, {131, 0}, {133, 0}, {135, 0}, {137, 0}, {139, 0}, {141, 0}},
    {{143, 0}, {145, 0}, {147, 0}, {149, 0}},
    {{152, 0}, {153, 0}, {154, 0}, {155, 0}, {156, 0}},
    {{160, 0}, {160, 1}, {160, 2}, {161, 0}, {164, 0}, {167, 0}},
    {{170, 0}, {172, 0}, {174, 0}, {176, 0}, {178, 0}},
    {{252, 0}, {253, 0}, {254, 0}},
};

// Record lines 2 to 5: offsets within the record (field 0 unless given).
const std::initializer_list<FieldRef> kRecordLines[4] = {
    {{4, 0}, {6, 0}, {7, 0}, {9, 0}},
    {{10, 0}, {12, 0}, {13, 0}, {16, 0}, {17, 0}, {19, 0}},
    {{20, 0}, {22, 0}, {23, 0}, {25, 0}, {27, 0}, {27, 1}, {28, 0}, {30, 0}},
    {{32, 0}, {34, 0}, {34, 1}, {35, 0}},
};

} // namespace

void CDataDecode::WriteMemoryDumpTo(std::FILE* file, const std::tm* now) const
{
    auto text = [this](int address, int field) { return NarrowText(ValueTextAt(address, field)); };

    if (now)
        std::fprintf(file, "%ld,%ld,%ld,%ld:%ld\n", (long)now->tm_year + 1900, (long)now->tm_mon + 1,
                     (long)now->tm_mday, (long)now->tm_hour, (long)now->tm_min);
    else
        std::fprintf(file, "%ld,%ld,%ld,%ld:%ld\n", 0L, 0L, 0L, -1L, -1L);

    auto writeLine = [&](const std::initializer_list<FieldRef>& fields, int base) {
        std::string line;
        bool first = true;
        for (const FieldRef& f : fields) {
            if (!first)
                line += ',';
            first = false;
            line += text(base + f.address, f.field);
        }
        line += '\n';
        std::fputs(line.c_str(), file);
    };
    for (const auto& fields : kHeaderLines)
        writeLine(fields, 0);

    // A history index outside the ring leaves the header alone.
    if (!HistoryPointerInRing())
        return;
    const int slots = HistorySlotCountOfMemory();
    for (int s = 0; s < slots; ++s) {
        const int a = RecordSlotAddress(s);
        if (a == m_nextRecordAddress)
            break;   // the slot the station writes next is never written
        const std::string year =
            s < static_cast<int>(m_recordTexts.size()) ? NarrowText(m_recordTexts[s]) : std::string();
        const int32_t seconds = s < static_cast<int>(m_recordSeconds.size()) ? m_recordSeconds[s] : -1;
        if (seconds == -1)
            std::fprintf(file, "%d,%s,%s,%s,%s,%s,%s,%s\n", a, year.c_str(), text(a, 0).c_str(),
                         text(a + 1, 0).c_str(), text(a, 1).c_str(), text(a + 2, 0).c_str(),
                         text(a + 3, 0).c_str(), "E");
        else
            std::fprintf(file, "%d,%s,%s,%s,%s,%s,%s,%dsec\n", a, year.c_str(), text(a, 0).c_str(),
                         text(a + 1, 0).c_str(), text(a, 1).c_str(), text(a + 2, 0).c_str(),
                         text(a + 3, 0).c_str(), (int)seconds);
        for (const auto& fields : kRecordLines)
            writeLine(fields, a);
    }
}

bool CDataDecode::WriteMemoryDump(const std::wstring& path, unsigned long* error)
{
    return WriteWholeFileOrNone(
        path, L"wt",
        [this](std::FILE* file) {
            const std::time_t now = std::time(nullptr);
            WriteMemoryDumpTo(file, std::localtime(&now));
        },
        error);
}
