#include "store/trackedsave.hpp"

#include "store/atomicsave.hpp"
#include "store/datafile.hpp"
#include "store/outsidechange.hpp"

namespace quorval::store {

bool SaveTracked(const TrackedSave& save, platform::Dialogs& dialogs) {
    if (save.stamp && !MayReplace(
                          save.file, *save.stamp, dialogs, save.reload ? save.reload : [] {}))
        return false;
    const std::string error = save.write ? save.write() : writeFileAtomically(save.file, save.content);
    if (!error.empty()) {
        const SaveFailure& f = save.failure;
        std::string text = f.withReason ? platform::joinLines({f.text, saveFailureLine(error)}) : f.text;
        if (!f.text.empty()) dialogs.message({text, f.title, platform::Buttons::Ok, f.icon});
        return false;
    }
    if (save.stamp) *save.stamp = StampOf(save.file);
    return true;
}

}  // namespace quorval::store
