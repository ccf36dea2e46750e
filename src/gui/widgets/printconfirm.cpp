#include "widgets/printconfirm.hpp"

#include <QListWidget>

namespace quorval::gui {

bool confirmPrint(platform::Dialogs& dialogs, const char* question) {
    return dialogs.message({question, "Quorval", platform::Buttons::OkCancel, platform::Icon::None}) ==
           platform::Answer::Ok;
}

std::vector<std::string> listLines(const QListWidget& list) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i) lines.push_back(list.item(i)->text().toStdString());
    return lines;
}

}  // namespace quorval::gui
