#include "records/SaveAs.h"

#include "records/RecordMerge.h"

namespace {

const wchar_t* ExtensionOf(int filterIndex)
{
    switch (filterIndex) {
    case SAVE_AS_CSV:
        return L".csv";
    case SAVE_AS_TEXT:
        return L".txt";
    default:
        return L".jpg";
    }
}

}  // namespace

std::wstring SaveAsTargetPath(const std::wstring& chosenPath, int filterIndex)
{
    const std::wstring extension = ExtensionOf(filterIndex);
    const bool hasExtension = chosenPath.size() >= extension.size() &&
                              chosenPath.compare(chosenPath.size() - extension.size(), extension.size(), extension) == 0;
    return hasExtension ? chosenPath : chosenPath + extension;
}

bool SaveRecordsAs(const std::wstring& installFolder, int filterIndex, const std::wstring& targetPath)
{
    if (filterIndex != SAVE_AS_CSV && filterIndex != SAVE_AS_TEXT)
        return false;
    const RecordFileKind kind = filterIndex == SAVE_AS_CSV ? RecordFileKind::CsvCustom : RecordFileKind::TxtCustom;
    return CopyToUserFile(installFolder + UserCopyName(kind), targetPath);
}
