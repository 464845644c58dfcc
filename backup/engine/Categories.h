#pragma once
// The category of a file by the end of its path. Pure functions of the text.

#include <array>
#include <string_view>

// Category numbers, in the order every per-category record of the engine follows.
inline constexpr int CATEGORY_DOCUMENT = 1;
inline constexpr int CATEGORY_PICTURE = 2;
inline constexpr int CATEGORY_AUDIO = 3;
inline constexpr int CATEGORY_VIDEO = 4;
inline constexpr int CATEGORY_MAIL = 5;
inline constexpr int CATEGORY_OTHER = 6;

// The categories a user chooses, Document to Mail; Other is never chosen on its own.
inline constexpr int kEasyCategoryCount = CATEGORY_MAIL;
// One value per chosen category, at index category - 1.
template <typename T> using PerEasyCategory = std::array<T, kEasyCategoryCount>;

// 1 Document, 2 Picture, 3 Audio, 4 Video, 5 Mail, 6 Other; a name that two tables claim takes the
// lower number.
int CategoryOfPath(std::u16string_view path);

// Exact matches of the path's last 3, 4 and 5 characters against the table's lower-case and
// upper-case entries.
bool IsDocumentFile(std::u16string_view path);
bool IsPictureFile(std::u16string_view path);
bool IsAudioFile(std::u16string_view path);
bool IsVideoFile(std::u16string_view path);
bool IsMailFile(std::u16string_view path);
