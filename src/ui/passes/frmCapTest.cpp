#include "ui/passes/frmCapTest.h"

frmCapTest::frmCapTest(ProgramState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName("frmCapTest");
}

frmCapTest::~frmCapTest() = default;
