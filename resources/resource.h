// Resource identifiers. Each family has its own range, so no two share a
// number:
//   IDM_*  menu commands          40001-40099
//   IDC_*  controls               1001-1999
//   IDS_*  strings                3001-3999
// Dialog templates and the icon group carry names: "DLG_MSG", "MAIN", ...
#pragma once
