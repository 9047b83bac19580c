#include "updater/ui/ui_texts.h"

namespace {

const UiTexts kChinese = {
    L"\u5347\u7ea7\u7a0b\u5e8f",
    L"\u65b0\u7248\u672c\u4e0b\u8f7d\u4e2d\uff0c\u5efa\u8bae\u4e0b\u8f7d\u5b8c\u6210\u540e\u518d\u8fdb\u5165\u6559\u5ba4",
    L"\u5ba2\u6237\u7aef\u6709\u65b0\u7248\u672c\uff0c\u6b63\u5728\u81ea\u52a8\u66f4\u65b0\uff0c\u8bf7\u7a0d\u5019\u54e6",
    L"\uff08\u91cd\u8bd5\u7b2c%d\u6b21)",
    L"\u65b0\u7248\u672c\u5c06\u5728\u4e0b\u6b21\u542f\u52a8\u65f6\u5b89\u88c5\uff0c\u60a8\u4e5f\u53ef\u4ee5\u7acb\u5373\u5b89\u88c5\uff01",
    L"\u60a8\u7684\u5ba2\u6237\u7aef\u7248\u672c\u592a\u4f4e\uff0c\u5c06\u66f4\u65b0\u81f3\u6700\u65b0\u7248\u672c!",
    L"\u5347\u7ea7\u51fa\u95ee\u9898\u4e86,\u8bf7\u4e0b\u8f7d\u5b8c\u6574\u5b89\u88c5\u5305~",
    L"\u524d\u5f80\u4e0b\u8f7d",
};

const UiTexts kEnglish = {
    L"Update Program",
    L"New version of client is downloading. We recommand you to enter the Class after download complete",
    L"Find new version for client, updating now ...",
    L"\uff08Retring for %d times)",
    L"New version will install at next start. You can also install it now",
    L"Your client version is too low. We will update it to the latest version!",
    L"There are some problems in Updating, Please download full installer from website~",
    L"Go Downloading Page",
};

}  // namespace

const UiTexts& TextsFor(std::uint16_t uiLanguage) {
  return uiLanguage == kChinesePrcLanguage ? kChinese : kEnglish;
}
