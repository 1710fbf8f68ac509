// The program's version and maker, used by the version resource (and through
// it by the About box).
#pragma once

#define QUILLOT_VERSION_NUMBERS 1, 3, 0, 0
#define QUILLOT_VERSION_TEXT "1.3.0"
#define QUILLOT_PRODUCT_NAME "Quillot"
#define QUILLOT_FILE_NAME "Quillot.exe"
#define QUILLOT_DESCRIPTION "Viewer for PAD (Portable Application Description) files"
// A maker and an address of the project's own: ".invalid" is a reserved
// top-level domain, so the address names no existing site.
#define QUILLOT_COMPANY "Quillot Developers"
#define QUILLOT_WEB_SITE "https://www.quillot.invalid/"
