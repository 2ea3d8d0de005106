#include "StartUpMain.h"

int StartUp::Main(ProgramState&, const StartOptions&) { return 0; }
