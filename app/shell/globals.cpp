#include "app/shell/globals.h"

#include "platform/framework/printer.h"

const std::string gcProgramm = "MERIDOXA";
const std::string gcVersion = "8.01";
std::string gcPfadProto;
std::string gcPfadUser;
std::string gcLesePfadQ, gcLesePfadZ, gcSchreibPfadQ, gcSchreibPfadZ, gcSchreibPfadH;
std::unique_ptr<PrintingDevice> goDrucker;
