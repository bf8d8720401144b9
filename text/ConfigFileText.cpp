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
    u"。不保存就导入文件吗？",
    u"导入此文件将更改：",
    u"此文件来自另一台录像机：本录像机保留自己的地址、端口、DVR编号和通道名称。",
    u"现在导入吗？",
    u"已更改的页面：",
    u"此用户无权修改：",
    u"关闭此窗口不会将其永久保存；重启录像机即可恢复已保存的设置。",
    u"。",
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
    u". Import a file without saving them?",
    u"Importing this file changes: ",
    u"The file comes from another recorder: this recorder keeps its own address, ports, DVR "
    u"number and channel names.",
    u"Import it now?",
    u"Pages changed: ",
    u"This user may not change: ",
    u"Closing this window will not make them permanent; restarting the recorder returns it to "
    u"its saved settings.",
    u".",
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
    u". Importar um arquivo sem salvá-las?",
    u"Importar este arquivo altera: ",
    u"O arquivo vem de outro gravador: este gravador mantém o próprio endereço, as portas, o "
    u"número do DVR e os nomes dos canais.",
    u"Importar agora?",
    u"Páginas alteradas: ",
    u"Este usuário não pode alterar: ",
    u"Fechar esta janela não os salvará permanentemente; reiniciar o gravador o devolve às "
    u"configurações salvas.",
    u".",
};

}  // namespace

const ConfigFileTexts& ConfigFileText(std::uint32_t language) {
    return ForLanguage(language, kChinese, kEnglish, kPortuguese);
}

}  // namespace text
