#pragma once

#include <string_view>

namespace vantrel {

class TVantrelWin;
class TAboutBox;

// The program's two windows, valid from their creation at start to the end of the run.
extern TVantrelWin* VantrelWin;
extern TAboutBox* AboutBox;

// "/regserver", "-UNREGSERVER" and the like: the program ends at once.
bool IsRegistrationSwitch(std::string_view argument);

// The program: names the application, creates the main window and then the
// About box, runs the event loop until the main window closes. Always returns 0.
int RunProgram(int argc, char** argv);

}  // namespace vantrel
