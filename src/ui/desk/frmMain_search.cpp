// Month list, search and printing of the lists.
#include "frmMain.h"

void frmMain::ListMonthBookings() {}
void frmMain::ListSearchResults() {}
void frmMain::cmdGetTom_Click() {}
void frmMain::cmdGetToday_Click() {}
void frmMain::cmdMFind_Click() {}
void frmMain::cmdPRINT_Click() {}
void frmMain::cmdGetCARD_Click() {}
