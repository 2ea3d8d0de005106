// Each handler of the desk window forwards to the panel that does the work.
#include "ui/desk/frmMain.h"

#include "ui/desk/ArrivalPanel.h"
#include "ui/desk/BookingCommands.h"
#include "ui/desk/BookingFormPanel.h"
#include "ui/desk/ListDatesPanel.h"
#include "ui/desk/ListsPanel.h"
#include "ui/desk/TimeGridPanel.h"

void frmMain::RegNoTB_Change() {
    form_->RegNoTB_Change();
}
void frmMain::FirstNameTB_Change() {
    form_->FirstNameTB_Change();
}
void frmMain::PersGendTB_Change() {
    form_->PersGendTB_Change();
}
void frmMain::LastNameTB_Change() {
    form_->LastNameTB_Change();
}
void frmMain::PersMobTB_Change() {
    form_->PersMobTB_Change();
}
void frmMain::PersCarRegTB_Change() {
    form_->PersCarRegTB_Change();
}
void frmMain::PersEmailTB_Change() {
    form_->PersEmailTB_Change();
}
void frmMain::CataCB_Click() {
    form_->CataCB_Click();
}
void frmMain::Dept1CB_Click() {
    form_->Dept1CB_Click();
}
void frmMain::CatOrganTB_Change() {
    form_->CatOrganTB_Change();
}
void frmMain::CatPartyTB_Change() {
    form_->CatPartyTB_Change();
}
void frmMain::CatAdrTB_Change() {
    form_->CatAdrTB_Change();
}
void frmMain::CatDDITB_Change() {
    form_->CatDDITB_Change();
}
void frmMain::CatPCodeTB_Change() {
    form_->CatPCodeTB_Change();
}
void frmMain::CatAltTTB_Change() {
    form_->CatAltTTB_Change();
}
void frmMain::CatEMATB_Change() {
    form_->CatEMATB_Change();
}
void frmMain::PersEmailTB_LostFocus() {
    form_->PersEmailTB_LostFocus();
}
void frmMain::CatEMATB_LostFocus() {
    form_->CatEMATB_LostFocus();
}
void frmMain::PersGendTB_Click() {
    form_->PersGendTB_Click();
}
void frmMain::ShowPhotoLabel() {
    form_->ShowPhotoLabel();
}
void frmMain::ShowPassLabel() {
    form_->ShowPassLabel();
}
void frmMain::LoadCustomLists() {
    form_->LoadCustomLists();
}
void frmMain::CBGetDay_Click() {
    dates_->CBGetDay_Click();
}
void frmMain::CBGetMonth_Click() {
    dates_->CBGetMonth_Click();
}
void frmMain::CBGetYear_Click() {
    dates_->CBGetYear_Click();
}
void frmMain::SetMonthNoFromListMonth() {
    dates_->SetMonthNoFromListMonth();
}
void frmMain::cmdListCal_Click() {
    dates_->cmdListCal_Click();
}
void frmMain::Calendar1_DblClick() {
    dates_->Calendar1_DblClick();
}
void frmMain::cmdCalDECR_Click() {
    dates_->cmdCalDECR_Click();
}
void frmMain::cmdCalINCR_Click() {
    dates_->cmdCalINCR_Click();
}
void frmMain::ValidateSelectedDate() {
    dates_->ValidateSelectedDate();
}
void frmMain::CBMonth_Click() {
    times_->CBMonth_Click();
}
void frmMain::CBYear_Click() {
    times_->CBYear_Click();
}
void frmMain::BuildTimeGridMonth() {
    times_->BuildTimeGridMonth();
}
void frmMain::BuildTimeGridMonthFromRecord() {
    times_->BuildTimeGridMonthFromRecord();
}
void frmMain::cbTime_Click() {
    times_->cbTime_Click();
}
void frmMain::cmdADD_Click() {
    times_->cmdADD_Click();
}
void frmMain::cmdSUB_Click() {
    times_->cmdSUB_Click();
}
void frmMain::cmdCLEARAll_Click() {
    times_->cmdCLEARAll_Click();
}
void frmMain::TimeGrid_CellClicked() {
    times_->TimeGrid_CellClicked();
}
void frmMain::TimeGrid_FocusLost() {
    times_->TimeGrid_FocusLost();
}
void frmMain::CheckTimeGridEntry() {
    times_->CheckTimeGridEntry();
}
void frmMain::SetMonthNoFromBookMonth() {
    times_->SetMonthNoFromBookMonth();
}
void frmMain::cmdSAVE_Click() {
    commands_->cmdSAVE_Click();
}
void frmMain::cmdNEW_Click() {
    commands_->cmdNEW_Click();
}
void frmMain::cmdDelete_Click() {
    commands_->cmdDelete_Click();
}
void frmMain::StatGrid_RowChosen() {
    commands_->StatGrid_RowChosen();
}
void frmMain::DeleteBooking() {
    commands_->DeleteBooking();
}
void frmMain::ClearBookingForm() {
    commands_->ClearBookingForm();
}
void frmMain::cmdIN_Click() {
    arrival_->cmdIN_Click();
}
void frmMain::cmdOUT_Click() {
    arrival_->cmdOUT_Click();
}
void frmMain::BuildDayStatusFile() {
    (void)arrival_->BuildDayStatusFile();
}
void frmMain::UpdateStatusLine() {
    arrival_->UpdateStatusLine();
}
void frmMain::LaON_Site_Change() {
    arrival_->LaON_Site_Change();
}
void frmMain::LaOFFSite_Change() {
    arrival_->LaOFFSite_Change();
}
void frmMain::LaON_Site_DblClick() {
    arrival_->LaON_Site_DblClick();
}
void frmMain::LaOFFSite_DblClick() {
    arrival_->LaOFFSite_DblClick();
}
void frmMain::cmdPRINT_Click() {
    lists_->cmdPRINT_Click();
}
void frmMain::cmdMFind_Click() {
    lists_->cmdMFind_Click();
}
void frmMain::cmdGetAny_Click() {
    lists_->cmdGetAny_Click();
}
void frmMain::cmdDayList_Click() {
    lists_->cmdDayList_Click();
}
void frmMain::cmdGetTom_Click() {
    lists_->cmdGetTom_Click();
}
void frmMain::cmdGetToday_Click() {
    lists_->cmdGetToday_Click();
}
void frmMain::ListDayBookings() {
    lists_->ListDayBookings();
}
void frmMain::ListMonthBookings() {
    lists_->ListMonthBookings();
}
void frmMain::ListTodayStatus() {
    lists_->ListTodayStatus();
}
void frmMain::ListSearchResults() {
    lists_->ListSearchResults();
}
void frmMain::CBListBy_Click() {
    lists_->CBListBy_Click();
}
void frmMain::CBListBy_LostFocus() {
    lists_->CBListBy_LostFocus();
}
void frmMain::RefreshCurrentList() {
    lists_->RefreshCurrentList();
}
void frmMain::FirstNameTB_KeyPress(int& keyAscii) {
    form_->FirstNameTB_KeyPress(keyAscii);
}
void frmMain::LastNameTB_KeyPress(int& keyAscii) {
    form_->LastNameTB_KeyPress(keyAscii);
}
void frmMain::SelectListDay(int index) {
    dates_->SelectListDay(index);
}
void frmMain::SelectListMonth(int index) {
    dates_->SelectListMonth(index);
}
bool frmMain::InvalidDate() const {
    return dates_->InvalidDate();
}
void frmMain::DayNameOf(long day) {
    times_->DayNameOf(day);
}
const QString& frmMain::DayNameText() const {
    return times_->DayNameText();
}
void frmMain::TimeGrid_DeleteKey(int keyCode, int shift) {
    times_->TimeGrid_DeleteKey(keyCode, shift);
}
void frmMain::TimeGrid_TimeCharTyped(int& keyAscii) {
    times_->TimeGrid_TimeCharTyped(keyAscii);
}
void frmMain::TimeGrid_ValidateEdit(int row, int col, bool& cancel) {
    times_->TimeGrid_ValidateEdit(row, col, cancel);
}
bool frmMain::SaveNewRecord() {
    return commands_->SaveNewRecord();
}
bool frmMain::UpdateRecord() {
    return commands_->UpdateRecord();
}
void frmMain::ShowRecord(bool setBookingMonth) {
    commands_->ShowRecord(setBookingMonth);
}
void frmMain::StatGrid_KeyTyped(int keyCode) {
    if (keyCode == 13)
        StatGrid_RowChosen();
}
bool frmMain::NewBooking() const {
    return commands_->NewBooking();
}
void frmMain::MainFindTB_KeyPress(int keyAscii) {
    lists_->MainFindTB_KeyPress(keyAscii);
}
QString frmMain::PrintTitle() const {
    return lists_->PrintTitle();
}
const std::string& frmMain::DayListFile() const {
    return lists_->DayListFile();
}
int frmMain::ListedRows() const {
    return lists_->ListedRows();
}
