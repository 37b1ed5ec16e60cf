// The ids of the framework dialog tests' resource script.
#define IDD_ORDER 100
#define IDD_CONTROLS 101
#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_UNIT 1003
#define IDC_AGREE 1004
#define IDC_GRID 1010
#define IDC_FLATCOMBO 1011
#define IDC_COLORLIST 1012
#define IDC_BUTTON 1013
