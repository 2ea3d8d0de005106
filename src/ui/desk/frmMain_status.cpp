// Today's arrivals and departures: the on-site list and the two time labels.
#include "frmMain.h"

void frmMain::ShowArrivalAndDeparture() {}
void frmMain::ListTodayStatus() {}
void frmMain::cmdDayList_Click() {}
void frmMain::cmdIN_Click() {}
void frmMain::cmdOUT_Click() {}
