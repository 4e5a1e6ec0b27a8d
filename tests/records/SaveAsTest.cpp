// Save as writes the user's file in one step: the bytes go to a temporary file beside the target,
// which then takes the target's place; a write or a replacement that fails leaves the target's
// bytes as they were and no temporary file behind.
#include "DumpFixture.h"

#include "records/SaveAs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

std::vector<std::wstring> NamesIn(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (std::wstring(data.cFileName) != L"." && std::wstring(data.cFileName) != L"..")
            names.push_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

// A writer that puts `bytes` into the file it is given and answers `succeeds`; it keeps the path.
struct Writer {
    std::string bytes;
    bool succeeds;
    std::wstring* used;
    bool operator()(const std::wstring& path) const
    {
        *used = path;
        WriteBytes(path, bytes);
        return succeeds;
    }
};

}  // namespace

TEST(SaveAsTest, TheTargetIsReplacedInOneStepOrKeepsItsBytes)
{
    const std::wstring folder = ScratchFolder(L"saveas_one_step");
    const std::wstring target = folder + L"precious.csv";
    WriteBytes(target, "the user's own\r\n");
    std::wstring used;

    // A write that fails half-way: the target as it was, the temporary file gone.
    EXPECT_EQ(ReplaceInOneStep(target, Writer{"half a fi", false, &used}), SaveResult::WriteFailed);
    EXPECT_EQ(ReadBytes(target), "the user's own\r\n");
    EXPECT_EQ(NamesIn(folder), std::vector<std::wstring>{L"precious.csv"});
    // The temporary file lies in the target's folder and ends in its extension (a picture writer
    // picks its format from it).
    ASSERT_GT(used.size(), folder.size() + 4);
    EXPECT_EQ(used.compare(0, folder.size(), folder), 0);
    EXPECT_EQ(used.substr(used.size() - 4), L".csv");
    EXPECT_NE(used, target);

    // Held by another program (it lets others read only): not replaced, nothing written.
    HANDLE held = HoldForReading(target);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    used.clear();
    EXPECT_EQ(ReplaceInOneStep(target, Writer{"new", true, &used}), SaveResult::TargetHeld);
    CloseHandle(held);
    EXPECT_TRUE(used.empty());
    EXPECT_EQ(ReadBytes(target), "the user's own\r\n");

    // Written whole: replaced, an existing target and a new one alike.
    EXPECT_EQ(ReplaceInOneStep(target, Writer{"new records\r\n", true, &used}), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(target), "new records\r\n");
    EXPECT_EQ(ReplaceInOneStep(folder + L"view.jpg", Writer{"picture", true, &used}), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(folder + L"view.jpg"), "picture");
    EXPECT_EQ(NamesIn(folder).size(), 2u);
}
