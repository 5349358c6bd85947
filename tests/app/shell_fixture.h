// What the GUI tests share: a message recorder in place of message boxes
// (any message a test did not expect fails it), a clean profile, waiting for
// modal dialogs, and screenshots for a person to look at.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "profile_settings.h"
#include "user_interaction.h"

namespace quillet::test {

struct ShownMessage {
    std::string caption;
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;
};

class RecordingPrompt : public UserPrompt {
public:
    // The next message is expected and answered with `answer`.
    void expect(MessageResult answer) { answers_.push_back(answer); }

    MessageResult show(const std::string &caption, const std::string &text, MessageIcon icon,
                       MessageButtons buttons) override {
        shown.push_back({caption, text, icon, buttons});
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected message \"" << caption << "\": " << text;
            return MessageResult::Cancel;
        }
        const MessageResult answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    bool allAnswered() const { return answers_.empty(); }

    std::vector<ShownMessage> shown;

private:
    std::deque<MessageResult> answers_;
};

// Pumps events until `done` holds or the time runs out.
inline bool waitUntil(const std::function<bool()> &done, int timeoutMs = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Runs `act` on the next modal dialog once it is up (inside its own event
// loop); the poller goes away with `owner`.
inline void onNextModal(QObject *owner, std::function<void(QWidget *)> act) {
    auto *poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start(10);
}

inline void saveScreenshot(QWidget *widget, const QString &name) {
    QDir().mkpath(QStringLiteral(QUILLET_SCREENSHOT_DIR));
    widget->grab().save(QStringLiteral(QUILLET_SCREENSHOT_DIR "/") + name + QStringLiteral(".png"));
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { clearProfile(); }
    void TearDown() override {
        EXPECT_TRUE(prompt.allAnswered()) << "an expected message never came";
        clearProfile();
    }

    static void clearProfile() {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Olbrin Applications"),
                           QStringLiteral("Quillet"));
        settings.clear();
        settings.sync();
    }

    RecordingPrompt prompt;
};

}  // namespace quillet::test
