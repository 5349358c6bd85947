// Message boxes on screen, and the hooks through which the link library
// shows its own messages and the wait cursor.
#pragma once

#include <QMessageBox>
#include <QPointer>

#include "user_interaction.h"

namespace quillet {

// The program's title, the caption of its own message boxes.
QString appTitle();

// A message box as the program shows it (caption, icon, buttons).
QMessageBox *makeMessageBox(QWidget *parent, const QString &caption, const QString &text, MessageIcon icon,
                            MessageButtons buttons);

class QtUserPrompt : public UserPrompt {
public:
    explicit QtUserPrompt(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }

    MessageResult show(const std::string &caption, const std::string &text, MessageIcon icon,
                       MessageButtons buttons) override;

private:
    QPointer<QWidget> parent_;
};

// Routes the library's messages to `prompt` (the library's Windows-1252
// texts decoded, its icon kept, OK only) and its busy periods to the wait
// cursor. The prompt must outlive the hooks; removeLinkHooks() takes them
// away again.
void installLinkHooks(UserPrompt &prompt);
void removeLinkHooks();

}  // namespace quillet
