// The web pages the program opens and the maker's addresses, all in one
// place: the maker's web site (under the reserved example domain until the
// product has a domain of its own) with its home, product and questions
// pages, its support mail, and the German and English editions of an
// encyclopedia article on the Helmert transformation. Only the language code
// "ger" gives the German page.
#pragma once

#include <string>

namespace shell {

// The maker's web site as the about box shows it, and the base address of
// its pages.
inline const std::string kWebAddress = "www.example.com";
inline const std::string kWebBase = "https://" + kWebAddress + "/";
// The address of the maker's support.
inline const std::string kSupportMail = "support@example.com";

// The maker's home page: German for "ger", English for every other language.
std::string HomePage(const std::string& cSprache);

// The product page, the questions page at the product's section, the
// encyclopedia article.
std::string ProductPage(const std::string& cSprache);
std::string FaqPage(const std::string& cSprache);
std::string EncyclopediaPage(const std::string& cSprache);

// Opens a web page in the default browser (the system's open action, through
// the seam), owned by the frame window when there is one.
void OpenUrl(const std::string& cAddress);

}  // namespace shell
