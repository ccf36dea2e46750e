#pragma once

// The main window over a working folder and settings folder of its own, with every test double.
#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>

#include "configfolder.hpp"
#include "fakeseams.hpp"
#include "fullleague.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "tempdir.hpp"
#include "ui/main/mainwindow.hpp"
#include "windowtesting.hpp"

namespace quorval::testing {

// League files of random players (made by `fill` when given), the course table and a registry
// naming them, with league `current` the one opened last.
inline void writeLeagues(const std::vector<std::string>& names, int current = 0,
                         void (*fill)(store::LeagueData&, int) = nullptr) {
    auto d = std::make_unique<store::LeagueData>();
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        if (fill)
            fill(*d, i);
        else
            samples::FillRandomLeague(*d, static_cast<uint32_t>(10 + i), 6 + i);
        writeBytes(names[i] + ".LGE", store::FormatLeague(*d));
        d->registry.leagueFiles[i + 1] = names[i];
    }
    d->registry.leagueCount = static_cast<int16_t>(names.size());
    d->registry.currentLeague = static_cast<int16_t>(current);
    writeBytes(store::kCourseFileName, store::FormatCourses(*d));
    writeBytes(store::kRegistryFileName, store::FormatRegistry(*d));
}

class MainWindowFixture : public ::testing::Test {
protected:
    ~MainWindowFixture() override {
        closeWindowsExcept(main.get());
        main.reset();
    }

    // A new main window started over the files on disk, with league item `open` open unless -1.
    void load(int open = -1) {
        main = std::make_unique<gui::MainWindow>(s.services);
        main->Load();
        main->show();
        if (open >= 0) act(QString("leaguesmenu%1").arg(open))->trigger();
    }
    QAction* act(const QString& name) const { return main->action(name); }
    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    TempWorkDir dir;
    ScopedConfigHome config{dir.path() / "config"};
    TestServices s;
    std::unique_ptr<gui::MainWindow> main;
};

}  // namespace quorval::testing
