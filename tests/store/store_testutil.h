// Helpers of the store tests: a private folder as the installation directory,
// whole-file reads and writes, and a catcher for error reports.
#pragma once

#include <string>
#include <vector>

// Creates a fresh folder and makes it DirName1 (with its trailing separator).
std::string MakeInstallDir(const char* tag);
void RemoveInstallDir(const std::string& dir);

void WriteFileText(const std::string& path, const std::string& text);
std::string ReadFileText(const std::string& path);   // "" when missing
void MakeDir(const std::string& path);
bool FileThere(const std::string& path);
void SetReadOnly(const std::string& path, bool ro);

// Error reports shown while m_nMsgon is 1 are collected here.
void CatchReports();
extern std::vector<std::string> Reports;

// A record of n digits drawn from a small generator.
std::string Digits(unsigned& seed, int n);
