// Listing and deleting folders through open folder descriptors, so that a
// symbolic link is never followed and a name that was checked cannot be
// swapped for another folder before it is deleted.
#pragma once

#include <string>
#include <vector>

namespace velt {

// The names in the open folder dirFd, without "." and "..".
std::vector<std::string> FolderEntryNames(int dirFd);

// Deletes the entry `name` of the open folder dirFd: a folder with its
// contents, anything else (a link too) by itself. True when it is gone.
bool RemoveFolderEntry(int dirFd, const std::string& name);

// Deletes everything inside the open folder dirFd: files and links (never
// what a link names), folders with their contents. True when all went.
bool RemoveFolderContents(int dirFd);

// Deletes the folder `name` of the open folder parentFd with its contents,
// provided that name still refers to the open folder dirFd. True when it is
// gone.
bool RemoveOpenedFolder(int parentFd, const std::string& name, int dirFd);

}  // namespace velt
