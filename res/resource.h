// Resource ids of Ravelin.dll: dialog templates, tree bitmaps and control ids.
// Read by windres (through Ravelin.rc), by the C++ sources and by res/tools/rc_to_templates.py,
// so it holds nothing but #define lines with plain numbers.
// Control ids are per template: the same number may name different controls in different
// templates, and each template's controls get names of their own below.
#ifndef RAVELIN_RES_RESOURCE_H
#define RAVELIN_RES_RESOURCE_H

// Dialog templates: the main dialog.
#define IDD_MAIN 1000

// Dialog templates: hosted pages.
#define IDD_NORMAL 1006
#define IDD_CODE 1007
#define IDD_REC 1008
#define IDD_SERIAL 1009
#define IDD_NET 1010
#define IDD_ALARMCENTER 1011
#define IDD_NTP 1012
#define IDD_PPPOE 1013
#define IDD_DDNS 1014
#define IDD_MAIL 1015
#define IDD_ALARM 1016
#define IDD_VIDEODETECT 1017
#define IDD_PTZSET 1018
#define IDD_VIDEOOUT 1019
#define IDD_VERSION 1025
#define IDD_HDDINFO 1026
#define IDD_LOG 1027
#define IDD_EXCEPTION 1028
#define IDD_RECADMIN 1029
#define IDD_ALARMOUT 1030

// Tree bitmaps (17 x 17 pixels, 24-bit, no mask).
#define IDB_TOOLS 1001
#define IDB_GEARS 1002
#define IDB_MONITOR 1003
#define IDB_FOLDER 1004
#define IDB_SHEET 1005
#define IDB_FOLDER_FORBIDDEN 1031
#define IDB_SHEET_FORBIDDEN 1032

// Main dialog (IDD_MAIN).
#define IDC_TREE 1000

// Every hosted page: the page's group box and the common buttons, same id on every page.
#define IDC_GROUP 1011
#define IDC_SAVE 1016
#define IDC_REFRESH 1017
#define IDC_DEFAULT 1159
#define IDC_COPY 1160
#define IDC_PASTE 1161
#define IDC_SETTING 1168
#define IDC_ALL_DEFAULT 1172

// Version page (IDD_VERSION): labels.
#define IDC_VERSION_MODEL_LABEL 1018
#define IDC_VERSION_SYSTEM_LABEL 1019
#define IDC_VERSION_MODEL_NO_LABEL 1020
#define IDC_VERSION_VIDEO_IN_LABEL 1021
#define IDC_VERSION_ALARM_IN_LABEL 1022
#define IDC_VERSION_IP_LABEL 1023
#define IDC_VERSION_SERIAL_LABEL 1024
#define IDC_VERSION_BOARD_LABEL 1025
#define IDC_VERSION_BUILD_DATE_LABEL 1026
#define IDC_VERSION_GUI_LABEL 1027
#define IDC_VERSION_AUDIO_IN_LABEL 1028
#define IDC_VERSION_ALARM_OUT_LABEL 1029
#define IDC_VERSION_MAC_LABEL 1030

// Version page (IDD_VERSION): values, in the order of their labels.
#define IDC_VERSION_MODEL 1032
#define IDC_VERSION_SYSTEM 1033
#define IDC_VERSION_MODEL_NO 1034
#define IDC_VERSION_VIDEO_IN 1035
#define IDC_VERSION_ALARM_IN 1036
#define IDC_VERSION_IP 1037
#define IDC_VERSION_SERIAL 1038
#define IDC_VERSION_BOARD 1039
#define IDC_VERSION_BUILD_DATE 1040
#define IDC_VERSION_GUI 1041
#define IDC_VERSION_AUDIO_IN 1042
#define IDC_VERSION_ALARM_OUT 1043
#define IDC_VERSION_MAC 1044

// Disk information page (IDD_HDDINFO).
#define IDC_HDD_START_LABEL 1018
#define IDC_HDD_END_LABEL 1019
#define IDC_HDD_START 1020
#define IDC_HDD_END 1021
#define IDC_HDD_OVERWRITTEN_LABEL 1022
#define IDC_HDD_OVERWRITTEN 1023
#define IDC_HDD_LIST 1187

// Network page (IDD_NET).
#define IDC_NET_IP_LABEL 1018
#define IDC_NET_MASK_LABEL 1019
#define IDC_NET_GATEWAY_LABEL 1020
#define IDC_NET_CMD_PORT_LABEL 1021
#define IDC_NET_DATA_PORT_LABEL 1022
#define IDC_NET_DNS1_LABEL 1023
#define IDC_NET_DNS2_LABEL 1024
#define IDC_NET_HTTP_PORT_LABEL 1025
#define IDC_NET_TALK_PORT_LABEL 1026
#define IDC_NET_IP 1059
#define IDC_NET_MASK 1060
#define IDC_NET_GATEWAY 1061
#define IDC_NET_CMD_PORT 1062
#define IDC_NET_HTTP_PORT 1063
#define IDC_NET_DATA_PORT 1064
#define IDC_NET_TALK_PORT 1065
#define IDC_NET_DNS1 1066
#define IDC_NET_DNS2 1067
#define IDC_NET_DHCP 1068

// Alarm Center page (IDD_ALARMCENTER).
#define IDC_ALARMCENTER_1_LABEL 1018
#define IDC_ALARMCENTER_2_LABEL 1019
#define IDC_ALARMCENTER_1 1069
#define IDC_ALARMCENTER_2 1070

#endif  // RAVELIN_RES_RESOURCE_H
