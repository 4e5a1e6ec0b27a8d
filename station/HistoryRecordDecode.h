// Value forming of one 38-byte history record. The same forming serves every slot of the memory table
// and the newest record in the decoder's two-record table.
#pragma once
#include <string>

#include "station/DataDecode.h"

// Writes the value texts of the record whose 38 entries start at `record` (offset k at record[k]),
// from their raw bytes. Offsets 15 and 37 (checksums) and the second bytes of the multi-byte readings
// get no text. Hex texts are not stored (CDataDecode::HexTextAt forms them when asked).
void FormHistoryRecordTexts(AddressEntry* record);

// The five marker words that stand for a missing reading in a record line.
bool IsRecordLineMarker(const std::wstring& text);

// The record line of a decoded record (26 fields): year, weekday, month, day, hour, minute, the
// readings, the direction index and the rain counter. A marker field becomes a single blank.
std::wstring BuildRecordLine(const AddressEntry* record, int referenceYear);
