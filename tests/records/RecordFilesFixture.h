// What the record-file tests share: the four kinds of record file, and display units that convert
// visibly (degrees Fahrenheit, inHg).
#pragma once
#include "records/RecordMerge.h"

inline const RecordFileKind kKinds[] = {RecordFileKind::Csv, RecordFileKind::Txt, RecordFileKind::CsvCustom,
                                        RecordFileKind::TxtCustom};

inline DisplayUnitSelection Fahrenheit()
{
    DisplayUnitSelection units;
    units.temperature = 1;
    units.pressure = 0;
    return units;
}
