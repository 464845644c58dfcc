#pragma once
// Helpers on Windows path texts ("X:\dir\file") and on folders. They report nothing: a failed
// creation shows only as a folder that is still missing when the caller uses it.

#include <string>

void CreateDirIfMissing(const std::u16string& path);
// Creates every missing level of the path.
void CreateDirPath(const std::u16string& path);
// The same for a folder that stands for the folder model (a copy of it): each level made that
// stands for a level of model, the two paths matched from their ends ("X" standing for "X:\"),
// takes that folder's permission bits (an empty model: none does); the others are made plainly.
void CreateDirPathLike(const std::u16string& path, const std::u16string& model);
bool PathExists(const std::u16string& path);
// True only for an entry that a listing of its parent shows as a folder: false for "X:\" and for a
// path that ends in "\".
bool DirExists(const std::u16string& path);

std::u16string WithTrailingBackslash(std::u16string text);
// The part before the last "\" once one trailing "\" is dropped; empty when no "\" remains.
std::u16string ParentFolderOf(const std::u16string& path);
// The part after the last "\" once one trailing "\" is dropped; empty when no "\" remains.
std::u16string LastComponentOf(const std::u16string& path);
// The path from its fourth character on (drops "X:\").
std::u16string WithoutDrivePrefix(const std::u16string& path);
