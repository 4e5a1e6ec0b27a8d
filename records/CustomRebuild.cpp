// Rebuilding the custom record files whole after a change of display unit.
#include "records/MainRecords.h"
#include "records/RecordFileIo.h"
#include "records/RecordMerge.h"

void RebuildCustomFile(RecordFileKind customKind, const std::wstring& sourcePath, const std::wstring& targetPath,
                       const DisplayUnitSelection& units)
{
    const char separator = SeparatorOf(customKind);
    UniqueFile source = OpenFile(sourcePath, L"rb");
    if (!source)
        return;
    UniqueFile target = OpenFile(targetPath, L"wb");
    if (!target)
        return;
    CBufferedWriter out(target.get());
    out.WriteLine(BuildHeaderRow(separator, units));
    CLineReader reader(source.get());
    std::string line;
    bool complete = false;
    if (!reader.Next(line, &complete)) // the base file's header row
        return;
    while (reader.Next(line, &complete) && complete)
        out.WriteLine(ConvertLineForDisplay(line, separator, separator, units));
}

void RebuildCustomRecords(const std::wstring& installFolder, const DisplayUnitSelection& units)
{
    const std::wstring csvCustom = installFolder + RecordFileName(RecordFileKind::CsvCustom);
    const std::wstring txtCustom = installFolder + RecordFileName(RecordFileKind::TxtCustom);
    if (CanOpenExclusive(csvCustom))
        RebuildCustomFile(RecordFileKind::CsvCustom, installFolder + RecordFileName(RecordFileKind::Csv), csvCustom,
                          units);
    if (CanOpenExclusive(txtCustom))
        RebuildCustomFile(RecordFileKind::TxtCustom, installFolder + RecordFileName(RecordFileKind::Txt), txtCustom,
                          units);
    CopyToUserFile(csvCustom, installFolder + UserCopyName(RecordFileKind::CsvCustom));
    CopyToUserFile(txtCustom, installFolder + UserCopyName(RecordFileKind::TxtCustom));
}

void RebuildCustomRecords(const CMainRecords& dlg) { RebuildCustomRecords(dlg.m_installFolder, UnitsOf(dlg)); }

void ReconvertCsvCustomDat(const CMainRecords& dlg, const std::wstring& sourcePath, const std::wstring& targetPath)
{
    RebuildCustomFile(RecordFileKind::CsvCustom, sourcePath, targetPath, UnitsOf(dlg));
}

void ReconvertTxtCustomDat(const CMainRecords& dlg, const std::wstring& sourcePath, const std::wstring& targetPath)
{
    RebuildCustomFile(RecordFileKind::TxtCustom, sourcePath, targetPath, UnitsOf(dlg));
}
