// The texts of the progress window.
#include "text/ProgressText.h"

#include "text/LangTable.h"

namespace text {
namespace {

constexpr ProgressTexts kChinese = {u"配置", u"正在读取录像机的配置，请稍候……"};
constexpr ProgressTexts kEnglish = {u"Config", u"Reading the recorder's settings, please wait..."};
constexpr ProgressTexts kPortuguese = {u"Configurar",
                                       u"Lendo as configurações do gravador, aguarde..."};

}  // namespace

const ProgressTexts& ProgressText(std::uint32_t language) {
    if (language == kColumnChinese)
        return kChinese;
    if (language == kColumnPortuguese)
        return kPortuguese;
    return kEnglish;
}

}  // namespace text
