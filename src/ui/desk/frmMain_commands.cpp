// The booking commands and the lists. The storage and the lists come with the
// next parts of the desk; until then these are the places that call them.
#include "frmMain.h"

void frmMain::SaveNewRecord() {}
void frmMain::UpdateRecord() {}
void frmMain::cmdSAVE_Click() {}
void frmMain::cmdNEW_Click() {}
void frmMain::cmdDelete_Click() {}
void frmMain::CmdPersonal_Click() {}
void frmMain::cmdGetCARD_Click() {}
void frmMain::cmdPRINT_Click() {}
void frmMain::cmdMFind_Click() {}
void frmMain::cmdGetAny_Click() {}
void frmMain::cmdDayList_Click() {}
void frmMain::cmdGetTom_Click() {}
void frmMain::cmdGetToday_Click() {}
void frmMain::cmdIN_Click() {}
void frmMain::cmdOUT_Click() {}
void frmMain::ListDayBookings() {}
void frmMain::ListMonthBookings() {}
void frmMain::ListTodayStatus() {}
void frmMain::RefreshCurrentList() {}
