#pragma once
// Every resource id, control id and window message of Quorvane, each name
// once. A control id need only be unique within its dialog: dialogs may
// share a number (the main dialog and the own-MAC dialog do).

// Resources
#define IDR_MAINFRAME 128   // application icon
#define IDR_LANGFILE 200    // the language file, BRVT.lng
#define RT_LANGFILE 256     // its resource type

// Dialog templates
#define IDD_WAKE_DIALOG 102
#define IDD_SENT_NOTICE 130
#define IDD_MAC_ERROR 131
#define IDD_SEND_ERROR 132
#define IDD_OWN_MAC 133
#define IDD_LISTENER 134

// Main dialog
#define IDC_POWER_ON 1000
#define IDC_MAC_EDIT 1002
#define IDC_MAIN_CAPTION 1003
#define IDC_MAC_CAPTION 1004
#define IDC_GET_MAC_CAPTION 1005
#define IDC_MAC_NAME 1009
#define IDC_GET_MAC_NOTIFY 1016

// Notices
#define IDC_NOTICE_OK 1004
#define IDC_WOL_SUCCESS 1010
#define IDC_WOL_CAPTION 1011
#define IDC_WOL_NOTE 1012
#define IDC_WOL_ERROR 1013
#define IDC_MAC_ERROR 1014

// Own-MAC dialog
#define IDC_OWN_MAC_EDIT 1002
#define IDC_OWN_MAC_CAPTION 1004
#define IDC_OWN_MAC_OK 1008
#define IDC_OWN_MAC_TITLE 1015

// Magic-packet listener
#define IDM_LISTEN 0x0020   // its item in the main dialog's system menu
#define IDC_LISTEN_LIST 1030
#define IDC_LISTEN_NOTE 1031
#define IDC_LISTEN_STATUS 1032
#define IDC_LISTEN_LIST_LABEL 1033

// Network check of the sending PC
#define IDD_NETCHECK 135
#define IDM_NETCHECK 0x0030  // its item in the main dialog's system menu
#define IDC_NETCHECK_LIST 1040
#define IDC_NETCHECK_FINDINGS 1041
#define IDC_NETCHECK_SEND 1042
#define IDC_NETCHECK_READY 1043  // findings for this PC as the one to be woken
#define IDC_NETCHECK_REFRESH 1044
#define IDC_NETCHECK_LIST_LABEL 1045
#define IDC_NETCHECK_FINDINGS_LABEL 1046
#define IDC_NETCHECK_READY_LABEL 1047
#define IDC_NETCHECK_COPY_REPORT 1048
#define IDC_NETCHECK_REPORT_STATUS 1049  // says that the report was copied

// Wake and wait
#define IDD_WAKEWAIT 136
#define IDM_WAKEWAIT 0x0040  // its item in the main dialog's system menu
#define IDC_WAIT_ADDRESS 1050
#define IDC_WAIT_START 1051
#define IDC_WAIT_PROGRESS 1052
#define IDC_WAIT_STATUS 1053
#define IDC_WAIT_MAC 1054
#define IDC_WAIT_EVERY_ADAPTER 1055
#define IDC_WAIT_MAC_LABEL 1056
#define IDC_WAIT_ADDRESS_LABEL 1057

// Find PCs
#define IDD_FINDPCS 139
#define IDC_FINDPCS_LIST 1070
#define IDC_FINDPCS_ADD 1071
#define IDC_FINDPCS_STOP 1072
#define IDC_FINDPCS_PROGRESS 1073
#define IDC_FINDPCS_STATUS 1074
#define IDC_FINDPCS_LIST_LABEL 1075

// Window messages of our own, posted to a dialog
#define WM_APP_SOCKET (WM_APP + 1)       // the listener's sockets have datagrams
#define WM_APP_RESOLVED (WM_APP + 10)    // Wake and wait's worker: the address of the name
#define WM_APP_PROBED (WM_APP + 11)      // rounds are waiting
#define WM_APP_UNRESOLVED (WM_APP + 12)  // the name could not be found
#define WM_APP_LAST_WAKE (WM_APP + 13)   // the readiness check's worker: what was recorded of the last wake
#define WM_APP_NETCHECK_SHOWN (WM_APP + 14)  // the check is on screen: its worker may start
#define WM_APP_SCAN_NEWS (WM_APP + 30)       // the scan's worker: devices, names or progress to show
#define WM_APP_SCAN_DONE (WM_APP + 31)       // the scan is over

// My PCs
#define IDD_PCS 137
#define IDM_PCS 0x0050  // its item in the main dialog's system menu, after Wake and wait
#define IDC_PCS_LIST 1060
#define IDC_PCS_WAKE 1061
#define IDC_PCS_ADD 1062
#define IDC_PCS_EDIT 1063
#define IDC_PCS_REMOVE 1064
#define IDC_PCS_WAIT 1065
#define IDC_PCS_FIND 1066
#define IDC_PCS_STATUS 1067
#define IDC_PCS_LABEL 1068
#define IDD_PC_EDIT 138
#define IDC_PC_NAME 1080
#define IDC_PC_MAC 1081
#define IDC_PC_ADDRESS 1082
#define IDC_PC_DESTINATION 1083
#define IDC_PC_PORT 1084
#define IDC_PC_PASSWORD 1085
#define IDC_PC_NAME_LABEL 1086
#define IDC_PC_MAC_LABEL 1087
#define IDC_PC_ADDRESS_LABEL 1088
#define IDC_PC_DESTINATION_LABEL 1089
#define IDC_PC_PORT_LABEL 1090
#define IDC_PC_PASSWORD_LABEL 1091
