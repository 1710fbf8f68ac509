// Resource identifiers. Each family has its own range, so no two share a
// number:
//   IDM_*  menu commands          40001-40099
//   IDC_*  controls               1001-1999
//   IDS_*  strings                3001-3999
// Dialog templates and the icon group carry names: "DLG_MSG", "MAIN", ...
#pragma once

// Preferences dialog "DLG_SETUP" and its page "DLG_SETUP_EXTENSIONS"; OK and
// Cancel are IDOK and IDCANCEL.
#define IDC_PGCTL 1001
#define IDC_GRPEXTENSIONS 1002
#define IDC_CHKXML 1003
#define IDC_CHKPAD 1004
#define IDC_BTNHELP 1005

// Menu commands of the main window.
#define IDM_FILE_OPEN 40001
#define IDM_PREFERENCES 40002
#define IDM_EXIT 40003
#define IDM_VIEW_STATUSBAR 40004
#define IDM_NEXT_FILE 40005
#define IDM_PREV_FILE 40006
#define IDM_FIRST_FILE 40007
#define IDM_LAST_FILE 40008
#define IDM_REFRESH 40009
#define IDM_DBG_ON 40010
#define IDM_DBG_CLR 40011
#define IDM_FMT_FONT 40012
#define IDM_LABEL_COLOR 40013
#define IDM_CONTENT_COLOR 40014
#define IDM_XML_COLOR 40015
#define IDM_BACKGROUND_COLOR 40016
#define IDM_HELP 40017
#define IDM_ABOUT 40018
#define IDM_FIND 40019
#define IDM_FIND_NEXT 40020
#define IDM_FIND_PREVIOUS 40021
#define IDM_COPY 40022
#define IDM_SELECT_ALL 40023
// The recent files of the File menu, most recent first, and the separator
// below them; the items exist only while the list holds files.
#define IDM_RECENT_FIRST 40024
#define IDM_RECENT_LAST 40031
#define IDM_RECENT_SEPARATOR 40032

// The status-bar hint of menu command IDM_x is string IDS_HINT_BASE + (IDM_x - IDM_FIRST).
#define IDM_FIRST 40001
#define IDS_HINT_BASE 3001

// The main window's menu and accelerator table, the context menu of its
// views, and the keys of the main window that work in the Find dialog too.
#define IDR_MAINMENU 101
#define IDR_ACCELERATORS 102
#define IDR_VIEWMENU 103
#define IDR_FIND_ACCELERATORS 104
