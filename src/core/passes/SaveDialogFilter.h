#pragma once

#include <string>
#include <string_view>

// Filters of the save dialog: pairs of a description and a pattern.
namespace mCmnDlg {

// "AVI files (*.avi)|*.avi" as the dialog takes it: every "|" and ":" becomes
// a NUL, and two NULs end the list.
std::string FilterList(std::string_view filter);

// The n-th pair (from 1) of a NUL-separated list of descriptions and patterns,
// as description, NUL, pattern; empty when the list has fewer than n pairs.
std::string GetFilterPair(std::string_view filter, int n);

} // namespace mCmnDlg
