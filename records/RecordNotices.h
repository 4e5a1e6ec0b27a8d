// The restores of record files that the user has not been told of yet. Each is kept in
// "tmpRecordNotices.txt" in the install folder from just before the file is replaced until the
// user has been told, so that a kill in between has it told at the next start.
#pragma once
#include "records/RecordMerge.h"

#include <string>
#include <vector>

extern const wchar_t* const UNTOLD_NOTICES_FILE_NAME;  // "tmpRecordNotices.txt"

// Keeps a notice among the untold ones (files.untold and the file). A file that cannot be written
// (a full disk) only keeps the notice for this run.
void KeepUntold(const std::wstring& installFolder, const RecordFileNotice& notice, CRecordFiles& files);
// Drops a notice kept by KeepUntold whose restore did not go through.
void ForgetUntold(const std::wstring& installFolder, const RecordFileNotice& notice, CRecordFiles& files);
// The user has been told of these notices: they are untold no longer.
void NoticesTold(const std::wstring& installFolder, const std::vector<RecordFileNotice>& told, CRecordFiles& files);

// The notices that the file keeps (lines of a notice kind this program does not know, or of file
// names beyond plain names, are left out).
std::vector<RecordFileNotice> ReadUntoldNotices(const std::wstring& installFolder);

// At a start: the untold notices of an earlier run, read before this start's restores (files.untold).
void TakeUntoldNoticesOfEarlierRun(const std::wstring& installFolder, CRecordFiles& files);
// After this start's restores: an earlier run's notice is told now (put before this start's in
// files.notices) unless a restore of this start replaced the same file again (the earlier one never
// went through) or the file it kept aside is gone (the restore never came to replace the file).
void TellUntoldNoticesOfEarlierRun(const std::wstring& installFolder, size_t earlierCount, CRecordFiles& files);
