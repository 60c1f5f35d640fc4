#pragma once

#include <QString>

// File-system services that differ between systems.
namespace FileSystem {
// Makes a rename inside the folder of FilePath durable (fsync of the folder).
void SyncFolderOf(const QString& FilePath);
} // namespace FileSystem
