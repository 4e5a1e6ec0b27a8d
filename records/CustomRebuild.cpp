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

namespace {

// Rebuilds the custom file only when its base file can be read: the exclusive test empties it.
void RebuildWhenBaseReadable(RecordFileKind customKind, RecordFileKind baseKind, const std::wstring& installFolder,
                             const DisplayUnitSelection& units)
{
    const std::wstring base = installFolder + RecordFileName(baseKind);
    const std::wstring custom = installFolder + RecordFileName(customKind);
    if (OpenFile(base, L"rb") && CanOpenExclusive(custom))
        RebuildCustomFile(customKind, base, custom, units);
}

}  // namespace

void RebuildCustomRecords(const std::wstring& installFolder, const DisplayUnitSelection& units)
{
    const std::wstring csvCustom = installFolder + RecordFileName(RecordFileKind::CsvCustom);
    const std::wstring txtCustom = installFolder + RecordFileName(RecordFileKind::TxtCustom);
    RebuildWhenBaseReadable(RecordFileKind::CsvCustom, RecordFileKind::Csv, installFolder, units);
    RebuildWhenBaseReadable(RecordFileKind::TxtCustom, RecordFileKind::Txt, installFolder, units);
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
