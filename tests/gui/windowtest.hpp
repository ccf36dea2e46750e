#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "fakeseams.hpp"
#include "tempdir.hpp"
#include "ui/childwindow.hpp"
#include "windowtesting.hpp"

namespace quorval::testing {

// The services and a stand-in main window for a window under test, in a working folder of its
// own; windows left open are closed at the end.
class WindowTest : public ::testing::Test {
protected:
    ~WindowTest() override { closeWindowsExcept(&opener); }

    // Opens a window of that kind, with the player current if one is given.
    template <typename W>
    W* open(int player = 0) {
        if (player > 0) s.data->currentPlayer = static_cast<int16_t>(player);
        auto* w = new W(s.services, &opener);
        gui::openChild(&opener, w);
        return w;
    }

    // What a label or box of the window shows.
    static std::string text(QWidget* w, const char* name) {
        QWidget* c = child<QWidget>(w, name);
        return c->property(c->inherits("QPlainTextEdit") ? "plainText" : "text").toString().toStdString();
    }

    // The lines of a list of the window.
    static std::vector<std::string> lines(QWidget* w, const char* list = "List1") {
        std::vector<std::string> out;
        auto* l = child<QListWidget>(w, list);
        for (int i = 0; i < l->count(); ++i) out.push_back(l->item(i)->text().toStdString());
        return out;
    }

    static void click(QWidget* w, const char* button) {
        QMetaObject::invokeMethod(child<QWidget>(w, button), "click");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The print button asks first: nothing prints when the user says no, one document when he
    // says yes.
    void printAfterAsking(QWidget* w, const char* button) {
        for (platform::Answer answer : {platform::Answer::Cancel, platform::Answer::Ok}) {
            s.dialogs.answer(answer);
            click(w, button);
            EXPECT_EQ(s.printer.documents().size(), answer == platform::Answer::Ok ? 1u : 0u);
        }
        EXPECT_EQ(s.dialogs.takeMessages().size(), 2u);
    }

    TempWorkDir dir;
    TestServices s;
    QWidget opener;
};

}  // namespace quorval::testing
