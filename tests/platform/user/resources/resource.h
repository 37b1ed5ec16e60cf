// The ids of the test program's resource script.
#define IDD_SAMPLE 100
#define IDD_CLASSIC 101
#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_LIST 1003
#define IDC_GRID 1004
#define IDC_AGREE 1005
#define IDS_GREETING 7
#define IDS_FAREWELL 22
#define IDS_WIDE 23
#define IDI_APP 200
#define IDC_TESTHAND 201
