// The texts of the progress window and of the question before closing.
#include "text/ProgressText.h"

#include "text/LangTable.h"

namespace text {
namespace {

constexpr ProgressTexts kChinese = {u"配置", u"正在读取录像机的配置，请稍候……",
                                    u"以下页面有未保存的修改：", u"、", u"。不保存就关闭吗？"};
constexpr ProgressTexts kEnglish = {u"Config", u"Reading the recorder's settings, please wait...",
                                    u"Unsaved changes on: ", u", ",
                                    u". Close without saving them?"};
constexpr ProgressTexts kPortuguese = {
    u"Configurar", u"Lendo as configurações do gravador, aguarde...", u"Alterações não salvas em: ",
    u", ", u". Fechar sem salvá-las?"};

}  // namespace

const ProgressTexts& ProgressText(std::uint32_t language) {
    return ForLanguage(language, kChinese, kEnglish, kPortuguese);
}

}  // namespace text
