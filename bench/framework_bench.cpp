// Reading a point list of 30,000 lines out of a multi-line edit field: the
// framework's LineCount and GetLine against one EM_GETLINE per line.
#include <cstdio>
#include <string>

#include "bench/timing.h"
#include "platform/framework/app.h"
#include "platform/framework/appwindow.h"
#include "platform/framework/controls.h"
#include "platform/framework/dialogs.h"

namespace {

constexpr int kLines = 30000;
constexpr int kRuns = 5;

}  // namespace

int main()
{
    TopAppWindow frame;
    DataWindow form(&frame, "TEST_FORM");
    auto* list = form.AddControl<MultiLineEdit>(106);
    list->SetTextLimit(10000000);
    std::string text;
    for (int i = 1; i <= kLines; ++i) text += std::to_string(i) + "  3987654.321  1234567.890  4876543.210\r\n";

    size_t characters = 0;
    double setText = BestMilliseconds(kRuns, [&] { list->SetTextValue(text); });
    list->SetTextValue(text);
    double framework = BestMilliseconds(kRuns, [&] {
        // Any message but a plain query may change the text: the next
        // LineCount takes the text anew.
        SendMessageA(list->Handle(), EM_SETSEL, 0, 0);
        characters = 0;
        for (int n = 1, count = list->LineCount(); n <= count; ++n) characters += list->GetLine(n).size();
    });
    double perLine = BestMilliseconds(kRuns, [&] {
        char buffer[256];
        characters = 0;
        for (int n = 0, count = static_cast<int>(SendMessageA(list->Handle(), EM_GETLINECOUNT, 0, 0)); n < count; ++n) {
            *reinterpret_cast<WORD*>(buffer) = sizeof buffer - 1;
            characters += SendMessageA(list->Handle(), EM_GETLINE, n, reinterpret_cast<LPARAM>(buffer));
        }
    });
    std::printf("%d lines, %zu characters\n", kLines, characters);
    std::printf("set the text:                       %8.1f ms\n", setText);
    std::printf("LineCount + GetLine of every line:  %8.1f ms\n", framework);
    std::printf("EM_GETLINECOUNT + EM_GETLINE:       %8.1f ms\n", perLine);
    return 0;
}
