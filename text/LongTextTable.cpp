// The long texts: the hint of the serial-port page and the restart question.
#include "text/LongTextTable.h"

namespace text {

// Columns: Simplified Chinese, unused, English, Portuguese.
const LongTextRow LongTextTable[kLongRowCount + 1] = {
    {0x5da,
     {u"请到云台设置界面进行设置", u"", u"Config it in the Pan/Tilt/Zoom", u"Configuração PTZ"}},
    {0x5df,
     {u"关键设置被修改,需要重启后生效,是否重启?", u"",
      u"Key settings have been changed and take effect only after a restart. Restart now?",
      u"Configurações terão efeito após a reinicialização do sistema. Deseja reiniciar agora?"}},
    {kTerminatorId, {}},
};

}  // namespace text
