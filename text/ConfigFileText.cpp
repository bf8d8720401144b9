// The texts of the configuration-file commands.
#include "text/ConfigFileText.h"

#include "text/LangTable.h"

namespace text {
namespace {

constexpr ConfigFileTexts kChinese = {
    u"导出配置…",
    u"导入配置…",
    u"导出配置",
    u"导入配置",
    u"配置文件 (*.json)",
    u"配置已导出。",
    u"配置未能导出。",
    u"已发送的记录数：",
    u"录像机已有此配置，未发送任何记录。",
    u"此文件未被导入，未发送任何记录。",
    u"导入中途失败。",
};
constexpr ConfigFileTexts kEnglish = {
    u"Export configuration\u2026",
    u"Import configuration\u2026",
    u"Export configuration",
    u"Import configuration",
    u"Configuration files (*.json)",
    u"The configuration was exported.",
    u"The configuration could not be exported.",
    u"Records sent to the recorder: ",
    u"The recorder already holds this configuration; nothing was sent.",
    u"The file was not imported; nothing was sent.",
    u"The import failed part-way.",
};
constexpr ConfigFileTexts kPortuguese = {
    u"Exportar configuração\u2026",
    u"Importar configuração\u2026",
    u"Exportar configuração",
    u"Importar configuração",
    u"Arquivos de configuração (*.json)",
    u"A configuração foi exportada.",
    u"Não foi possível exportar a configuração.",
    u"Registros enviados ao gravador: ",
    u"O gravador já tem esta configuração; nada foi enviado.",
    u"O arquivo não foi importado; nada foi enviado.",
    u"A importação falhou no meio.",
};

}  // namespace

const ConfigFileTexts& ConfigFileText(std::uint32_t language) {
    return ForLanguage(language, kChinese, kEnglish, kPortuguese);
}

}  // namespace text
