#pragma once

// Which list the desk's list grid shows; each list sets it when it is built,
// and refreshing, printing and choosing a row read it.
enum class ListMode {
    NoneYet = 0, // refreshed as the month list
    DayList = 1,
    MonthList = 2,
    Search = 3,
    OnSite = 4, // today's on-site status list
};
