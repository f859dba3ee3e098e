// The maker's addresses on the web: its site (under the reserved example
// domain until the product has a domain of its own) and its support mail.
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
inline std::string HomePage(const std::string& language)
{
    return kWebBase + (language == "ger" ? "home.htm" : "homee.htm");
}

}  // namespace shell
