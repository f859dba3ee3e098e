// Process-wide values of the application that every window reads.
#pragma once

#include <memory>
#include <string>

class PrintingDevice;

// The program title: caption of dialogs and question boxes.
extern const std::string gcProgramm;
// The program version, shown after the title in the window caption.
extern const std::string gcVersion;
// The directory of the protocol file protocol.log, with its trailing "\".
extern std::string gcPfadProto;
// The per-user directory (of meridoxa.ini), with its trailing "\".
extern std::string gcPfadUser;
// The last directories of the point-list and result files, lower case.
extern std::string gcLesePfadQ, gcLesePfadZ, gcSchreibPfadQ, gcSchreibPfadZ, gcSchreibPfadH;
// The program's printing device; empty until a printer is first used.
extern std::unique_ptr<PrintingDevice> goDrucker;
