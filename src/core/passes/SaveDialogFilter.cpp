#include "core/passes/SaveDialogFilter.h"

std::string mCmnDlg::FilterList(std::string_view filter) {
    std::string list(filter);
    for (char& c : list)
        if (c == '|' || c == ':')
            c = '\0';
    list.append(2, '\0');
    return list;
}

std::string mCmnDlg::GetFilterPair(std::string_view filter, int n) {
    std::size_t start = 0;
    for (int pair = 1; pair <= n; ++pair) {
        const std::size_t first = filter.find('\0', start);
        if (first == std::string_view::npos)
            return {};
        const std::size_t second = filter.find('\0', first + 1);
        if (second == std::string_view::npos)
            return {};
        if (pair == n)
            return std::string(filter.substr(start, second - start));
        start = second + 1;
    }
    return {};
}
