// The web pages the program opens, all addresses in one place: the product
// page and the questions page on the program's own web site (German and
// English pages), and the German and English editions of an encyclopedia
// article on the Helmert transformation. Only the language code "ger" gives
// the German page.
#pragma once

#include <string>

namespace shell {

std::string ProductPage(const std::string& cSprache);
std::string FaqPage(const std::string& cSprache);
std::string EncyclopediaPage(const std::string& cSprache);

// Opens a web page in the default browser (the system's open action, through
// the seam), owned by the frame window when there is one.
void OpenUrl(const std::string& cAddress);

}  // namespace shell
