// Resource and control ids, shared by the resource scripts and the code.
#pragma once

// Carried data, per pair.
#define IDS_CARRIED_NAME 1          // string: the carried dictionary's name, "qvUR.vt"
#define IDR_PACKAGE 103             // BINARY: the self-extracting package
#define IDR_PACKAGE_PIF 116         // BINARY: the package's program information file

// Icons.
#define IDI_BOOK 110                // closed book: window icon of the dialogs
#define IDI_REMOVAL 112             // package marked for removal
#define IDI_COMPUTER 140            // computer with a software package

// Main selection dialog.
#define IDD_MAIN 109
#define IDC_MAIN_OFFICE95 1000
#define IDC_MAIN_OFFICE97 1001
#define IDC_MAIN_HOST_NOTICE 1002
#define IDC_MAIN_ROW0_CHECK 1022
#define IDC_MAIN_ROW1_CHECK 1023
#define IDC_MAIN_ROW2_CHECK 1025
#define IDC_MAIN_ROW3_CHECK 1026
#define IDC_MAIN_ROW4_CHECK 1027
#define IDC_MAIN_ROW5_CHECK 1028
#define IDC_MAIN_ROW0_RELEASE 1040
#define IDC_MAIN_ROW1_RELEASE 1041
#define IDC_MAIN_ROW2_RELEASE 1042
#define IDC_MAIN_ROW3_RELEASE 1043
#define IDC_MAIN_ROW4_RELEASE 1044
#define IDC_MAIN_ROW5_RELEASE 1053
#define IDC_MAIN_ROW0_COMMENT 1045
#define IDC_MAIN_ROW1_COMMENT 1046
#define IDC_MAIN_ROW2_COMMENT 1047
#define IDC_MAIN_ROW3_COMMENT 1048
#define IDC_MAIN_ROW4_COMMENT 1049
#define IDC_MAIN_ROW5_COMMENT 1055
#define IDC_MAIN_DICTIONARY_HEADER 1050
#define IDC_MAIN_RELEASE_HEADER 1051
#define IDC_MAIN_COMMENTS_HEADER 1052
#define IDC_MAIN_SCROLLER 1054
#define IDC_MAIN_COMPUTER_ICON 1066
#define IDC_MAIN_REMOVAL_ICON 1067

// Progress dialog.
#define IDD_PROGRESS 107
#define IDC_PROGRESS_NOTICE 1012
#define IDC_PROGRESS_WAIT 1013
#define IDC_PROGRESS_ICON 1060

// Final report dialog.
#define IDD_REPORT 111
#define IDC_REPORT_TEXT 1065
