#pragma once
// What the updater asks of the shell and the system outside its windows.

#include <cstdint>
#include <filesystem>
#include <string>

// The product's web site; the download page lies below it.
inline constexpr const wchar_t* kProductSiteHost = L"www.tavren.com";
inline constexpr const wchar_t* kDownloadPagePath = L"/static/windows";

std::wstring DownloadPageAddress();

// The user's default interface language (2052 for Chinese, PRC).
std::uint16_t UserUiLanguage();

// Opens the download page with the shell ("open", shown).
void OpenDownloadPage();

// Starts a program with the shell's "open" verb, shown normally. Wide all the
// way, so folders and parameters outside the ANSI code page survive.
void StartProgram(const std::filesystem::path& program, const std::wstring& parameters);
