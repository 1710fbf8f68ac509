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
