#pragma once

#include <filesystem>
#include <vector>

#include "publish/site.hpp"

// Putting the pages into the web folder: never through a link, all pages under temporary names
// first and index.html last, and only pages an earlier publish listed are ever removed.
namespace quorval::publish {

// The list of pages the last publish wrote, kept in the web folder.
inline constexpr const char* kManifestName = ".quorval-pages";

PublishResult WriteSite(const std::vector<SiteFile>& files, const std::filesystem::path& folder);

}  // namespace quorval::publish
