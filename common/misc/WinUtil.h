#pragma once
// Small helpers around the platform's module and path services.
#include <string>

// Fills *pOut with the drive and directory of the running executable, the directory ending
// with the path separator, so that a file name can be appended as it is. Returns 0 and
// leaves *pOut alone when pOut is null or the executable's name cannot be had, else 1.
// Every module handle names the executable, the program's only module.
int GetModuleDirectory(void* hModule, std::string* pOut);

// Splits a full file name into its drive (empty where paths have none) and its directory
// with the trailing separator; the file name itself is dropped.
void SplitPath(const std::string& szPath, std::string* pDrive, std::string* pDir);
