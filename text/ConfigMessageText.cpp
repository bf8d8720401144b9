// The sentences that say what came of an export or import.
#include "text/ConfigMessageText.h"

#include "text/LangTable.h"

namespace text {
namespace {

constexpr ConfigMessageTexts kChinese = {
    u"配置已导出",
    u"已向录像机发送 {n} 条记录并永久保存",
    u"已向录像机发送 1 条记录并永久保存",
    u"录像机已有此配置，未发送任何记录",
    u"导入将发送 {n} 条记录（尚未发送任何记录）",
    u"导入将发送 1 条记录（尚未发送任何记录）",
    u"录像机已有此配置，导入不会发送任何记录",
    u"；此用户无权修改 {records}，它们保持不变",
    u"；本录像机保留自己的 {fields}",
    u"配置窗口已打开，未执行任何操作",
    u"未指定文件，或标志无法识别，未执行任何操作",
    u"从录像机读取{record}失败，未写入文件",
    u"从录像机读取{record}失败，未发送任何记录",
    u"用户权限",
    u"无法读取该文件，未发送任何记录",
    u"无法写入或替换该文件，原有文件保持不变",
    u"该文件大于 {n} MiB，超过任何配置文件的大小，未被读取",
    u"该文件不是 JSON 文件，未发送任何记录",
    u"该文件在文档结束后仍有内容，未发送任何记录",
    u"该文件不是录像机配置文件，未发送任何记录",
    u"该文件的格式版本比本程序支持的更新，未发送任何记录",
    u"该文件不完整，未发送任何记录",
    u"文件被拒绝：{where} 的值超出该字段的范围，未发送任何记录",
    u"文件被拒绝：{where} 的值类型不正确，未发送任何记录",
    u"文件被拒绝：没有记录包含字段 {where}，未发送任何记录",
    u"文件被拒绝：{where} 在同一对象中出现两次，未发送任何记录",
    u"文件被拒绝：{where} 的条目多于录像机所有，未发送任何记录",
    u"发送 {where} 失败；之前发送的记录已恢复原样，录像机与导入前相同，未永久保存任何内容",
    u"发送 {where} 失败，且 {records} 无法恢复原样；未永久保存任何内容",
    u"已发送 {n} 条记录，但录像机未能将其永久保存",
    u"已发送 1 条记录，但录像机未能将其永久保存",
    u"操作失败（内存不足？）",
    u"已更改（不显示）",
    u"、",
    u"。",
};

constexpr ConfigMessageTexts kEnglish = {
    u"The configuration was exported",
    u"{n} records were sent to the recorder and made permanent",
    u"1 record was sent to the recorder and made permanent",
    u"The recorder already holds this configuration; nothing was sent",
    u"An import would send {n} records (nothing was sent)",
    u"An import would send 1 record (nothing was sent)",
    u"The recorder already holds this configuration; an import would send nothing",
    u"; this user may not change {records}, which stay as they are",
    u"; this recorder keeps its own {fields}",
    u"A configuration window is open; nothing was done",
    u"No file was given, or flags this version does not know; nothing was done",
    u"Reading {record} from the recorder failed; no file was written",
    u"Reading {record} from the recorder failed; nothing was sent",
    u"the user's rights",
    u"The file cannot be read; nothing was sent",
    u"The file cannot be written or put in place; a file already there is as it was",
    u"The file is larger than {n} MiB, more than any configuration file; it was not read",
    u"The file is not JSON; nothing was sent",
    u"The file goes on after the end of its document; nothing was sent",
    u"The file is not a recorder configuration file; nothing was sent",
    u"The file is of a newer format version than this library reads; nothing was sent",
    u"The file ends too early; nothing was sent",
    u"The file was refused: {where} holds a value its field cannot hold ({detail}); nothing "
    u"was sent",
    u"The file was refused: {where} holds a value of the wrong kind ({detail}); nothing was "
    u"sent",
    u"The file was refused: no record has a field {where}; nothing was sent",
    u"The file was refused: {where} is named twice in one object; nothing was sent",
    u"The file was refused: {where} has more entries than the recorder ({detail}); nothing "
    u"was sent",
    u"Sending {where} failed; the records sent before it were put back, so the recorder is "
    u"as it was, and nothing was made permanent",
    u"Sending {where} failed, and {records} could not be put back; nothing was made permanent",
    u"{n} records were sent, but the recorder could not make them permanent",
    u"1 record was sent, but the recorder could not make it permanent",
    u"The operation failed (out of memory?)",
    u"changed (not shown)",
    u", ",
    u".",
};

constexpr ConfigMessageTexts kPortuguese = {
    u"A configuração foi exportada",
    u"{n} registros foram enviados ao gravador e salvos permanentemente",
    u"1 registro foi enviado ao gravador e salvo permanentemente",
    u"O gravador já tem esta configuração; nada foi enviado",
    u"Uma importação enviaria {n} registros (nada foi enviado)",
    u"Uma importação enviaria 1 registro (nada foi enviado)",
    u"O gravador já tem esta configuração; uma importação não enviaria nada",
    u"; este usuário não pode alterar {records}, que ficam como estão",
    u"; este gravador mantém seus próprios valores de {fields}",
    u"Uma janela de configuração está aberta; nada foi feito",
    u"Nenhum arquivo foi indicado, ou as opções são desconhecidas; nada foi feito",
    u"Não foi possível ler {record} do gravador; nenhum arquivo foi gravado",
    u"Não foi possível ler {record} do gravador; nada foi enviado",
    u"os direitos do usuário",
    u"Não foi possível ler o arquivo; nada foi enviado",
    u"Não foi possível gravar ou substituir o arquivo; um arquivo já existente ficou como estava",
    u"O arquivo tem mais de {n} MiB, mais que qualquer arquivo de configuração; ele não foi lido",
    u"O arquivo não é JSON; nada foi enviado",
    u"O arquivo continua depois do fim do documento; nada foi enviado",
    u"O arquivo não é um arquivo de configuração de gravador; nada foi enviado",
    u"O arquivo é de uma versão de formato mais nova do que esta biblioteca lê; nada foi enviado",
    u"O arquivo está incompleto; nada foi enviado",
    u"O arquivo foi recusado: {where} tem um valor que não cabe no campo; nada foi enviado",
    u"O arquivo foi recusado: {where} tem um valor do tipo errado; nada foi enviado",
    u"O arquivo foi recusado: nenhum registro tem o campo {where}; nada foi enviado",
    u"O arquivo foi recusado: {where} aparece duas vezes no mesmo objeto; nada foi enviado",
    u"O arquivo foi recusado: {where} tem mais entradas do que o gravador; nada foi enviado",
    u"O envio de {where} falhou; os registros enviados antes foram restaurados, o gravador está "
    u"como antes e nada foi salvo permanentemente",
    u"O envio de {where} falhou e não foi possível restaurar {records}; nada foi salvo "
    u"permanentemente",
    u"{n} registros foram enviados, mas o gravador não conseguiu salvá-los permanentemente",
    u"1 registro foi enviado, mas o gravador não conseguiu salvá-lo permanentemente",
    u"A operação falhou (falta de memória?)",
    u"alterada (não mostrada)",
    u", ",
    u".",
};

}  // namespace

const ConfigMessageTexts& ConfigMessageText(std::uint32_t language) {
    return ForLanguage(language, kChinese, kEnglish, kPortuguese);
}

}  // namespace text
