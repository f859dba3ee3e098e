#include "app/shell/weblinks.h"

#include "app/shell/globals.h"
#include "platform/framework/seam.h"
#include "platform/framework/window.h"

namespace shell {

namespace {

bool German(const std::string& cSprache)
{
    return cSprache == "ger";
}

}  // namespace

std::string HomePage(const std::string& cSprache)
{
    return kWebBase + (German(cSprache) ? "home.htm" : "homee.htm");
}

std::string ProductPage(const std::string& cSprache)
{
    return kWebBase + (German(cSprache) ? "meridoxa.htm" : "meridoxae.htm");
}

std::string FaqPage(const std::string& cSprache)
{
    return kWebBase + (German(cSprache) ? "faq.htm#meridoxa" : "faqe.htm#meridoxa");
}

std::string EncyclopediaPage(const std::string& cSprache)
{
    return German(cSprache) ? "https://de.wikipedia.org/wiki/Helmert-Transformation"
                            : "https://en.wikipedia.org/wiki/Helmert_transformation";
}

void OpenUrl(const std::string& cAddress)
{
    TheSeam().ShellExecuteFile(goShell ? goShell->Handle() : nullptr, "open", cAddress, "", "", SW_SHOWNORMAL);
}

}  // namespace shell
