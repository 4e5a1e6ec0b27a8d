// Folder and path arithmetic of the start-up, apart from the window so that tests reach it.
#pragma once
#include <string>

// The program's folder from its module path: everything up to and including the last backslash;
// empty when the path has none.
std::wstring InstallFolderOf(const std::wstring& modulePath);
// True when the path names an existing folder.
bool IsFolder(const std::wstring& path);
