#pragma once
// Every text the updater's windows show, in the form the user's interface
// language asks for: Chinese (PRC) for 2052, English for any other language.
// Texts written in the skins, the tips box title and its "确定" stay Chinese.

#include <cstdint>

inline constexpr std::uint16_t kChinesePrcLanguage = 2052;

struct UiTexts {
  const wchar_t* windowTitle;
  const wchar_t* progressNormal;
  const wchar_t* progressForced;
  const wchar_t* retrySuffixFormat;  // takes the retry number (%d)
  const wchar_t* downloadedNormal;
  const wchar_t* forcedNotice;
  const wchar_t* problemText;     // download or install failed
  const wchar_t* problemConfirm;  // confirm button of that prompt
};

const UiTexts& TextsFor(std::uint16_t uiLanguage);

inline constexpr const wchar_t* kTipsBoxTitle = L"fenlo\u63d0\u793a";
inline constexpr const wchar_t* kTipsBoxConfirm = L"\u786e\u5b9a";
