// Folder and path arithmetic of the start-up, apart from the window so that tests reach it.
#pragma once
#include <string>

// The program's folder from its module path: everything up to and including the last backslash;
// empty when the path has none.
std::wstring InstallFolderOf(const std::wstring& modulePath);
// The folder of this program's module file (as InstallFolderOf); empty when the system gives no
// module path.
std::wstring ModuleFolder();
// The install folder of a program without a module path.
constexpr const wchar_t* FALLBACK_INSTALL_FOLDER = L"c:\\";
// The program's install folder: its module folder, else FALLBACK_INSTALL_FOLDER.
std::wstring ProgramInstallFolder(const std::wstring& moduleFolder = ModuleFolder());
// True when the path names an existing folder.
bool IsFolder(const std::wstring& path);
