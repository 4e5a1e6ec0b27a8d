// A record file and its user-facing copy ("csv.dat" and "RECORDS.csv", ...) are a pair: each holds
// every record of the other. So are "csv.dat" and "txt.dat", which hold the same records with other
// separators. When a file lacks records that its partner holds - deleted, cut short, overwritten or
// re-encoded by another program - or holds damaged lines that are no records (bytes written over
// part of it), it is brought back from its partner, never the partner overwritten by it; a line that
// is no record never goes from one file into another. A file that is replaced is kept aside under a
// name that says so, and what was done waits in CRecordFiles::notices for the user.
#pragma once
#include "records/RecordMerge.h"

#include <string>
#include <vector>

// The name under which a damaged file is kept: "csv.dat" -> "csv (damaged).dat", then
// "csv (damaged 2).dat" and so on, the first that does not exist (empty when none of 99 is free).
std::wstring KeptAsideName(const std::wstring& path);

// Whether a file holds something that does not read as record lines at all: bytes, but no record and
// no header row (random bytes, the text re-saved in another encoding).
bool ReadsAsNothing(const CRecordFileIndex& index, char separator);

// When the copy of a record file holds a record of a time that the file holds no record of, or the
// file holds damaged lines (CRecordFileIndex::DamagedLines) and its copy is a record file, the file
// is brought back from the copy: the copy's records, then the file's own records that the copy lacks
// (for a custom file only when both are in the same units), replace the file in one step, and the file
// as it was is kept aside (KeptAsideName). While the file cannot be brought back (held, no room for
// the file or the one kept aside), its copy is kept as it is (CopyState::keep), the reason is kept in
// CRecordFiles::restoreError and the next merge or reading tries again (BringBackRecordFile).
// Reads the file's index anew when it does not describe the file; reads the copy only when the file
// is not the copy with lines appended (BeginsWithFile).
void RestoreFromCopyIfShort(RecordFileKind kind, const std::wstring& installFolder, CRecordFiles& files);

// "csv.dat" and "txt.dat" hold the same records (after RestoreFromCopyIfShort, when both files of a
// pair were damaged). A base file that holds nothing that reads as records, or is missing, while the
// other holds records, is brought back from it (the separators turned, the damaged file kept aside);
// one that lacks some of the other's records gets them added after its own records (and is kept
// aside first when it held damaged lines, which stay out). A file that lacks
// only records that are still staged (`staged`, which the next merge brings in anyway: after a kill
// between two files, or while the file cannot be written) is left to the merge. One that cannot be
// brought back keeps its reason in CRecordFiles::restoreError. The first form does it for one base
// file (nothing for a custom file).
void BringInOtherBaseFileRecords(RecordFileKind kind, const std::wstring& installFolder,
                                 const std::vector<StagedRecord>& staged, CRecordFiles& files);
void BringInOtherBaseFileRecords(const std::wstring& installFolder, const std::vector<StagedRecord>& staged,
                                 CRecordFiles& files);

// A record file that still holds damaged lines after its partners could not help (no copy, the
// other base file holds nothing it lacks): its damaged lines are taken out (the file kept aside as it
// was, a base header row written when its own is damaged). A custom file whose header row is damaged
// is left to its rebuild from the base file, which knows the units.
void TakeDamagedLinesOut(RecordFileKind kind, const std::wstring& installFolder, CRecordFiles& files);

// While a record file holds damaged lines (its restore failed), its copy is not written from it
// (CopyState::keep).
void KeepCopyOfADamagedFile(RecordFileKind kind, const std::wstring& installFolder, CRecordFiles& files);

// A record file changed behind the program's back while it runs, or one whose last restore failed:
// brought back from its copy (RestoreFromCopyIfShort), then, for a base file, with the other base
// file's records (BringInOtherBaseFileRecords: the pair may have been damaged together), then rid of
// damaged lines that remain (TakeDamagedLinesOut). Its restoreError afterwards is the reason of a
// step that failed, 0 when none did.
void BringBackRecordFile(RecordFileKind kind, const std::wstring& installFolder,
                         const std::vector<StagedRecord>& staged, CRecordFiles& files);

// Before a file is rebuilt whole (a custom file from its base file): a file that reads as nothing or
// holds damaged lines is kept aside first. False when it could not be kept aside (the rebuild then
// waits); keptAs receives the path it was kept under, or is emptied when nothing needed keeping.
bool KeepDamagedFileAside(const CRecordFileIndex& index, const std::wstring& path, char separator,
                          std::wstring* keptAs);
