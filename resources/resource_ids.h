#pragma once

/* Ids of the resources built into the program. Plain integer macros only:
   resources/kiveron.rc includes this header too, and the resource compiler
   understands nothing else. */

/* The main dialog and its controls, in template order. */
#define IDD_MAIN_DIALOG 102
#define IDC_MENU_LIST 1000
#define IDC_LANGUAGE_COMBO 1004
#define IDC_EXIT_LINK 1005
#define IDC_DESCRIPTION 1001

/* The application icon (group). */
#define IDI_KIVERON 128

/* Bullets: 11 x 11 discs with a right-pointing triangle. */
#define IDB_PRIMARY_BULLET 134
#define IDB_SECONDARY_BULLET 135
#define IDB_EXIT_BULLET 142

/* The menu list's own scroll bar: arrow buttons (17 x 19) and thumb slices
   (17 x 2). */
#define IDB_UP_ARROW 137
#define IDB_UP_ARROW_PRESSED 143
#define IDB_DOWN_ARROW 138
#define IDB_DOWN_ARROW_PRESSED 144
#define IDB_THUMB_TOP 139
#define IDB_THUMB_BOTTOM 140
#define IDB_THUMB_MIDDLE 141

/* The pointing hand over captions and the exit link (cursor group). */
#define IDCUR_POINTING_HAND 1001

/* The application manifest and the version block. */
#define IDR_APPLICATION_MANIFEST 1
#define IDV_VERSION_INFO 1
