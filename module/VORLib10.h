// VORLib10: every class of the library.
#pragma once

#include <afxwin.h>

#include "VORLib10Res.h"

#include "VORFunction.h"
#include "VORInPlaceListCell.h"
#include "VORInPlaceListColumn.h"
#include "VORInPlaceListItem.h"
#include "VORInPlaceListCtrl.h"
#include "HorzListBox.h"
#include "ColorListBox.h"
#include "VORSplitterWnd.h"
#include "ZeSplitterWnd.h"
#include "ButtonVX.h"
#include "VORFlatComboBox.h"
#include "VORInPlaceNotify.h"
#include "VORInPlaceEdit.h"
#include "VORInPlaceComboBox.h"
#include "VORInPlaceButton.h"
