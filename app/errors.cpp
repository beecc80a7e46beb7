// Error boxes. The cursor is shown first because the game hides it at start-up.
#include <string>

#include "app/shell.h"
#include "platform/platform.h"

// Where players are sent for help when a fatal error repeats.
static const char* const supportAddress = "taltrix-support@users.noreply.invalid";

void ErrorBox(const char* text)
{
    I_ShowCursor(true);
    I_MessageBox("Taltrix Error", text);
}

void ReinstallBox()
{
    const std::string text = std::string("Try re-installing Taltrix.\nIf the problem continues, please e-mail us at ") +
                             supportAddress + "\nOr, ";
    ErrorBox(text.c_str());
}
