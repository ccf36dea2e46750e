#include "store/outsidechange.hpp"

namespace quorval::store {

bool MayReplace(const std::filesystem::path& file, const FileStamp& loaded, platform::Dialogs& dialogs,
                const std::function<void()>& reload) {
    if (!ChangedSince(file, loaded)) return true;
    std::string name = file.filename().string();
    platform::Answer answer =
        dialogs.message({platform::joinLines({name + " was changed outside Quorval since it was opened.",
                                              "Reload it (your unsaved change is lost) or overwrite it?"}),
                         "Quorval", platform::Buttons::ReloadOverwrite, platform::Icon::Question, 1});
    if (answer == platform::Answer::Overwrite) return true;
    reload();
    return false;
}

}  // namespace quorval::store
