// Dialog templates of the program's resources, made over for the framework's
// dialog class.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A copy of the dialog template resource of that name (DLGTEMPLATE or
// DLGTEMPLATEEX) that names windowClass as its class, with the style bits
// addStyle set and removeStyle cleared; empty when there is no such resource.
std::vector<BYTE> AdaptedDialogTemplate(const std::string& name, const char* windowClass, DWORD addStyle,
                                        DWORD removeStyle);
