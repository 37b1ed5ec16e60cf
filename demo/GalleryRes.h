// The ids of the gallery's resource script.
#define IDD_DETAILS 200
#define IDC_DETAILS_ITEM 2001
#define IDC_DETAILS_QTY 2002
#define IDC_DETAILS_PRICE 2003
#define IDC_DETAILS_UNIT 2004
#define IDC_DETAILS_LINES 2005
