// What was done to the record files as the user is told it: one paragraph per notice
// (records/RecordMerge.h, RecordFileNotice), in the current language.
#pragma once
#include "records/RecordMerge.h"

#include <string>
#include <vector>

std::wstring RecordFileNoticeText(const std::vector<RecordFileNotice>& notices, int language);
