#pragma once
// The Windows special folders the application reads, writes or keeps out of its scans, asked of the
// shell afresh at every call. Paths come without a trailing "\"; empty when the shell has none.

#include <string>

std::u16string WindowsFolder();
std::u16string SystemFolder();
std::u16string CommonStartupFolder();
std::u16string CommonDesktopFolder();
std::u16string CommonProgramsFolder();
// The 32-bit program-files folder on a 64-bit Windows, the ordinary one otherwise.
std::u16string ProgramFilesFolder();
std::u16string DesktopFolder();
std::u16string DocumentsFolder();
std::u16string PicturesFolder();
std::u16string MusicFolder();
std::u16string VideosFolder();
std::u16string FavoritesFolder();
std::u16string AppDataFolder();
std::u16string CommonAppDataFolder();
std::u16string LocalAppDataFolder();
// The application-data path before its second "\" (for example X:\Users).
std::u16string UsersRootFolder();

std::u16string ProductTitle();
std::u16string ProgramFileName();
// The program-files folder + "\Harbex Solo+"; with the create flag, that last level is created.
std::u16string InstallFolder(bool create);
