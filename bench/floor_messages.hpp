#pragma once
// What store-bench asks of floor.exe once its window shows (see floor.cpp).
#include <windows.h>

namespace bare {

constexpr UINT kCopyFile = WM_APP + 1;
constexpr UINT kSortAndSave = WM_APP + 2;
constexpr UINT kFillOneByOne = WM_APP + 3;
constexpr UINT kListFromRegistry = WM_APP + 4;
constexpr UINT kFillLists = WM_APP + 5;
constexpr int kFillCount = 10000;  // names in a one-by-one fill

}  // namespace bare
