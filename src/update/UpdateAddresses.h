#pragma once

// The addresses of the update check, all on the maker's web host that the build
// configures (TESSAROOK_WEB_HOST, with ":port" when one is given).

#include <string>

#include "BuildConfig.h"

namespace UpdateAddresses {

// The update document.
inline std::string UpdateDocument() {
    return std::string("http://") + buildconfig::kWebHost + "/Updates/tessarook.xml";
}

// The root of the maker's web site.
inline std::string WebSite() {
    return std::string("http://") + buildconfig::kWebHost + "/";
}

// The page from which the current release is downloaded.
inline std::string DownloadPage() {
    return std::string("http://") + buildconfig::kWebHost + "/download/";
}

}  // namespace UpdateAddresses
