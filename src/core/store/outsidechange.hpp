#pragma once

#include <filesystem>
#include <functional>

#include "platform/dialogs.hpp"
#include "store/filestamp.hpp"

namespace quorval::store {

// Before a save replaces `file`: true to go on. When the file was changed by another program since
// `loaded` was taken, the user is asked to reload it (the default: `reload` runs and the save is
// dropped) or to overwrite it. Without anyone to ask (the command line), the default stands.
bool MayReplace(const std::filesystem::path& file, const FileStamp& loaded, platform::Dialogs& dialogs,
                const std::function<void()>& reload);

}  // namespace quorval::store
